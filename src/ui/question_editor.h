#pragma once
// The Question Editor: adds questions to the bank after checking every
// field, lists all questions, shows how many each level has, and opens the
// dialogs that delete a question or restore the default bank. Every change
// goes straight to imp.zrv.

#include <string>

#include "bank/maintenance.h"
#include "engine/form_names.h"
#include "engine/program.h"
#include "toolkit/form.h"

namespace zv {

class Question : public Form {
public:
    static constexpr const char* kName = forms::kEditor;
    explicit Question(Program& p);

    void Form_Load() override;
    void Form_Unload() override;
    void add1_Click();
    void deletedata_Click();
    void Command6_Click();  // Restore Default
    void Command2_Click();  // Question Analyzer
    void Command3_Click();  // the analyzer's Close
    void Missing2();
    // Refills List1 from the bank.
    void ListQuestions();

private:
    void resetLists();
    // Says so, once for the same texts, when a text is longer than the board
    // shows whole; true when Add should stop there.
    bool tooLongForTheBoard();
    std::string warnedTexts_;
    Program& p_;
};

// Shown when the bank files cannot be written (a full disk, a folder the
// player may not write to): nothing of the bank has changed.
inline constexpr const char* kBankNotWritten =
    "The question bank could not be written (is the disk full, or the folder read-only?). The bank is as it was.";

// What the player is told when an operation on the bank failed: that a file
// could not be read and nothing was changed, or kBankNotWritten.
std::string bankFailure(const BankResult& result);

}  // namespace zv
