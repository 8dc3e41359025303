#pragma once
// The name of every window of the program, and of the controls of the
// board's dialogs that the board writes to. The board and the other windows
// open each other by name; a name lives here once, so that a window renamed
// in one place cannot be missed in another.

#include <array>

namespace zv::forms {

inline constexpr const char* kMain = "Main";
inline constexpr const char* kGame = "Game";
inline constexpr const char* kExit = "frmExit";
inline constexpr const char* kMessage = "Message";    // the host's right verdicts and remarks
inline constexpr const char* kMessage2 = "Message2";  // his remarks on a wrong pick
inline constexpr const char* kMessage3 = "Message3";  // prompts, advice, "The answer is correct."
inline constexpr const char* kResult = "Result";      // the end of a game
inline constexpr const char* kOptions = "frmOptions";
inline constexpr const char* kEditor = "Question";
inline constexpr const char* kDelete = "Delete";
inline constexpr const char* kRestore = "frmRestore";
inline constexpr const char* kRules = "Rules";
inline constexpr const char* kAbout = "About";
inline constexpr const char* kStatistics = "frmStatistics";  // the player's record
inline constexpr const char* kPlayer = "frmPlayer";          // the player's name, asked once
inline constexpr const char* kConfirm = "frmConfirm";        // a question answered Yes or No
inline constexpr const char* kImport = "frmImport";          // a question set previewed, then imported
inline constexpr const char* kExport = "frmExport";          // levels of the bank written out as a set

inline constexpr std::array kAll{kMain,   kGame,  kExit,     kMessage, kMessage2,   kMessage3, kResult, kOptions,
                                 kEditor, kDelete, kRestore, kRules,   kAbout,      kStatistics, kPlayer,
                                 kConfirm, kImport, kExport};

// The text of Message, Message2 and Message3, the text of Result, and the OK
// button all four have.
inline constexpr const char* kMessageText = "lblCaption";
inline constexpr const char* kResultText = "Label1";
inline constexpr const char* kDialogOk = "Command1";

}  // namespace zv::forms
