#pragma once
// The Question Editor: adds questions to the bank after checking every
// field, lists all questions, shows how many each level has, and opens the
// dialogs that delete a question or restore the default bank. Every change
// goes straight to imp.zrv.
//
// Beside those, for teachers and quiz hosts with hundreds of questions: a
// row picked in the list fills the fields, and Save changes puts the
// question back on its own line (its number kept); Find narrows the list to
// the questions whose text or options hold the words typed, and to a level;
// Delete selected removes the picked question once the player confirms;
// every question may carry a one-line explanation, which the board shows
// after the verdict (kept beside the bank, see bank/question_extras.h).

#include <string>
#include <vector>

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
    void List1_Click();      // a question picked: its fields to edit
    void cmdSave_Click();    // Save changes
    void cmdRemove_Click();  // Delete selected
    void cmdImport_Click();  // Import...: a set previewed, then merged or in the bank's place
    void cmdExport_Click();  // Export...: levels of the bank to a CSV or JSON file
    // The list shown again for what Find holds, the picked question kept.
    void filterList();

private:
    void resetLists();
    // The fields checked as Add checks them; false (the player told) when
    // one is missing or too long for the board.
    bool fieldsComplete();
    std::array<std::string, 4> typedOptions();
    void clearFields();
    // Picks the question on line `line` of the bank in the list (the filter
    // cleared if it hides it), scrolled into view.
    void selectLine(std::size_t line);
    void say(const std::string& status);
    // After an import or export: the list read again when the bank changed.
    void setsDone(const std::string& status, std::size_t firstNewLine);
    // The explanation typed kept for `question` (as the bank stores it).
    void keepExplanation(const std::string& question, const std::string& previous);
    std::vector<BankEntry> entries_;
    std::vector<std::size_t> shown_;  // the entry of each row of the list after the header
    // The question picked for editing (a copy: the list is read again after
    // every change); none while pickedLine is 0.
    BankEntry picked_;
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
