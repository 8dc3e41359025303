#pragma once
// The shared module: the variables that every window of the program reads
// and writes, and the two comma routines that keep their result in ConvBuf.
// They live for the whole run; nothing of them is saved.

#include <string>
#include <string_view>

#include "bank/record.h"
#include "toolkit/vars.h"

namespace zv {

struct Module1 {
    Module1();
    Module1(const Module1&) = delete;
    Module1& operator=(const Module1&) = delete;

    // Question, answer and the flow of a game.
    int Level = 0;                 // the question on screen, 1 to 15; 16 after the last
    std::string SelectedAnswer;    // "A" to "D", or "E" for none
    QuestionRecord QuestionRec;    // fields of the last bank line read
    int GameType = 0;              // 1 Blinking, 2 "ZRV like", 3 Fast
    bool GameOver = false;
    bool KyaAllowed = false;       // host advice may still be asked for this question
    int Msg3Flag = 0;              // the open Message3 carries advice or a prompt
    int Msg3FromReveal = 0;        // the open Message3 ends a Blinking reveal
    bool Was5050Enabled = false;   // lifeline states kept while they are frozen
    bool WasPhoneEnabled = false;
    bool WasAudienceEnabled = false;
    double DeleteNo = 0;           // the S. No. the editor is asked to delete
    std::string ConvBuf;           // scratch of EscapeCommas / UnescapeCommas

    // Options.
    bool KyaOption = false;
    bool FastStartup = false;

    // Presentation flags.
    bool HoverA = false, HoverB = false, HoverC = false, HoverD = false;
    bool HoverLock = false, HoverWithdraw = false, HoverKya = false, HoverExit = false;
    bool HoverStart = false;
    bool MsgOpen = false, Msg2Open = false, Msg3Open = false;
    bool ExitOpen = false;
    int BlinkCount = 0;
    int BlinkState = 0;
    bool LockedCorrect = false;
    int SuspenseTicks = 0;

    std::string EscapeCommas(std::string_view text);
    std::string UnescapeCommas(std::string_view text);

    const VarTable& vars() const { return vars_; }

private:
    VarTable vars_;
};

}  // namespace zv
