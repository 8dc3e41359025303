#pragma once
// The game board: the question, the four options, the money ladder, the
// prize panel, the lifelines, the action labels and the board's timers.
//
// The board's behaviour is split over several files by what it does: the
// start of a game and the draw of questions (game_start.cpp), picking an
// option (game_pick.cpp), locking it and the verdict (game_lock.cpp), the
// reveals (game_reveal.cpp), the host's milestones and remarks
// (game_milestones.cpp, game_commentary.cpp), withdrawing and leaving
// (game_leave.cpp), the steps after a dialog is answered (game_progress.cpp),
// the highlighting under the pointer (board_highlight.cpp). Its design-time
// layout is the windows' (ui/game_design.cpp): the board is handed it.

#include <array>
#include <optional>
#include <string>

#include "engine/form_names.h"
#include "engine/ladder.h"
#include "engine/palette.h"
#include "engine/program.h"
#include "engine/sounds.h"
#include "toolkit/form.h"

namespace zv {

class Game : public Form {
public:
    static constexpr const char* kName = forms::kGame;
    // `design` adds the board's controls at their design-time places.
    using Design = void (*)(Form& board);
    Game(Program& program, Design design);

    // Start of a game and the draw of questions.
    void Form_Load() override;
    void Form_Unload() override;
    void Missing();
    void lblStart_Click();
    void NextQuestion();
    void Enable();
    void lifeLine();
    void fontSizing();

    // The ladder and the prize panel after a correct answer: q_Level is
    // SetPrizeLabels (the amounts for the level in lblQNo) and then
    // MoveLadderHighlight (the rows around Level).
    void q_Level();
    void SetPrizeLabels();
    void MoveLadderHighlight();

    // Picking an option. ClearAnswerPictures gives the four option pictures
    // the neutral picture; ClearAnswer also forgets the pick.
    void Pick(const std::string& letter, bool startFlicker);
    void ImgA_Click() { Pick("A", true); }
    void ImgB_Click() { Pick("B", true); }
    void ImgC_Click() { Pick("C", true); }
    void ImgD_Click() { Pick("D", true); }
    void lblA_Click() { Pick("A", true); }
    void lblB_Click() { Pick("B", true); }
    void lblC_Click() { Pick("C", true); }
    void lblD_Click() { Pick("D", true); }
    void lblAnswer_Click(int index);
    void Timer5_Timer();
    void ClearAnswer();
    void ClearAnswerPictures();

    // Locking and the verdict.
    void lblLock_Click();
    void FreezeActions();
    void DisableOtherOptions();
    void CloseBoardAfterWrongAnswer();

    // The reveals: Blinking, "ZRV like" suspense, the flash of the answer.
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

    // The host's remarks and the "ZRV like" milestones.
    void Generate();
    void Right1();
    void Wrong1();
    void Right3();
    void Wrong3();
    void Right6();
    void Wrong6();
    void Right10();
    void Wrong10();
    void incorrectAnswer();

    // Lifelines and the host's advice.
    void Image9_Click();   // Fifty-Fifty
    void Image10_Click();  // Phone-A-Friend
    void Image11_Click();  // Audience Poll
    void Aud_Poll();
    void Max1Max2();
    void lblKya_Click();
    void Command1_Click();  // the advice panel's OK

    // Leaving a game.
    void lblWith_Click();
    void lblExit_Click();

    // Highlighting under the pointer and keeping dialogs in front.
    void Timer1_Timer();
    void Form_MouseMove() override;
    void Image12_Click();

    // The game's next step when one of the board's dialogs is answered
    // (game_progress.cpp): the dialogs pass the answer on and decide nothing.
    // The lock label stops inviting a lock (every OK); Message closed after a
    // verdict or a remark ("ZRV like" moves on after a right one); Message3's
    // OK after "The answer is correct.", a prompt or advice (Blinking moves
    // on); Result's OK readies the board for a new game.
    void stopLockFlicker();
    void verdictClosed();
    void message3Answered();
    void resultAnswered();

    // The four options offered again (undoing Fifty-Fifty), and each
    // lifeline that was available when the board was frozen enabled again.
    void MakeOptionsUsable();
    void RestoreLifelines();

    // Controls, named as the board names them.
    Control& lblStart;
    Control& lblQuestion;
    std::array<Control*, 4> lblAnswer;
    Control &lblA, &lblB, &lblC, &lblD;
    Control &ImgA, &ImgB, &ImgC, &ImgD;
    Control &ImgBlack, &ImgYellow, &ImgOrange, &ImgGreen;
    Control& lblCorrect;
    Control &lblQNo, &lblTotal, &lblAs, &lblFor;
    std::array<Control*, 15> Label1;
    Control &Label2, &Label3, &Label4, &Label5;
    Control &lblLock, &lblWith, &lblKya, &lblExit;
    Control &Image1, &Image2, &Image3, &Image4, &Image7, &Image8;
    Control &Image9, &Image10, &Image11, &Image12;
    Control &Frame1, &Frame2;
    Control& Option1;
    Control &Timer1, &Timer2, &Timer3, &Timer4, &Timer5;

    // Form variables.
    double Max1 = 0;
    int Max2 = 0;
    std::string Max1Chr, Max2Chr;
    int adI = 0;
    double adA = 0, adB = 0, adC = 0, add = 0, adVar = 0, adIncr = 0;
    int adLevel = 0;
    bool k5050 = false, kPhone = false, kAudience = false;
    int kLevel = 0;
    std::string kRight, kSelected;
    int kTimes = 0;
    int flip2 = 0;
    int ll = 0;
    std::string MissingLevels;
    int QCount = 0;
    int LevelsPresent = 0;
    int CheckLevel = 0;
    float PickNo = 0;
    std::string RecLine;
    int FieldNo = 0;
    std::string Comment1, Comment2, Comment3;
    int CommentPick = 0;

private:
    Program& p_;
    Module1& m_;
    // Lines of the bank that could not be read are reported once per board.
    bool skippedReported_ = false;

    void reportSkippedLines(const std::vector<std::size_t>& lines);
    void enableActions();
    void wireHighlighting();
    void ColourLadderAfterWrongAnswer();
    // A dialog's text set (which loads the dialog), and then the dialog shown.
    void setDialogText(const char* dialog, const char* label, const std::string& text);
    void say(const char* dialog, const char* label, const std::string& text);
    std::string caption(const char* dialog, const char* label);
    // The question number in lblQNo, 1 to 15, or 0 for any other caption.
    int questionOnScreen() const;
    void rightVerdict(const std::string& text, bool append);
    void wrongVerdict(const std::string& text);
    void commentary(const char* dialog, const std::string& line, bool append);
    Control& option(int i) const;        // ImgA .. ImgD
    Control& optionLetter(int i) const;  // lblA .. lblD
    // The picture of option "A" to "D", or null for any other letter.
    Control* optionPicture(const std::string& letter) const;
    // 0 to 3 for the letter in lblCorrect, -1 for any other caption.
    int correctIndex() const;
    std::string advice();
    void showQuestion(const std::string& question, const std::array<std::string, 4>& options,
                      const std::string& correct);
    // Sound (game_sound.cpp): the bed and the reading of a new question, the
    // lock, the verdict of question `level`, the bed again after a dialog.
    // The drawn line of the working copy, unless `fault` already says the
    // copy is not to be read; a failed read is put into `fault`.
    std::optional<std::string> readDrawnLine(float pick, std::string& fault);
    // The line of the working copy that the random number `r` draws among
    // `count`, fresh questions first.
    float drawnLine(int level, int count, double r);
    // The game is over: how it ended and the rupees in `amount` (a caption
    // of the prize panel) go to the player's record.
    void endGame(GameOutcome outcome, const std::string& amount);
    // The explanation kept beside the bank for the question just drawn, and
    // shown after its verdict until the next pick or Start
    // (game_explanation.cpp).
    void rememberExplanation();
    void explainAnswer();
    void hideExplanation();
    std::string explanation_;
    int explainedLevel_ = 0;
    void announceQuestion();
    void announceLock();
    void announceVerdict(bool right, int level);
    void resumeBed();
    void readQuestion();
    std::string questionToRead_;
};


}  // namespace zv
