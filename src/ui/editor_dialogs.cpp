#include "ui/editor_dialogs.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

#include "bank/maintenance.h"
#include "engine/palette.h"
#include "ui/design_kit.h"
#include "ui/question_editor.h"

namespace zv {

namespace {
void refreshEditorList(Program& p)
{
    if (auto* editor = p.app.findAs<Question>()) editor->ListQuestions();
}

// The number in the Delete dialog's box: blanks around it, a sign, a
// fraction ("2.9") and any number of digits are allowed. Read without the
// system's locale, which may want a decimal comma. A number too large or too
// close to 0 for a double names no question: infinity. Nullopt for text that
// is not a number.
std::optional<double> numberInBox(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::nullopt;
    std::string_view number(text);
    number = number.substr(first, text.find_last_not_of(' ') - first + 1);
    if (number.find_first_not_of("0123456789+-.eE") != std::string_view::npos ||
        number.find_first_of("0123456789") == std::string_view::npos)
        return std::nullopt;
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (end != number.data() + number.size()) return std::nullopt;
    if (error == std::errc::result_out_of_range) return std::numeric_limits<double>::infinity();
    if (error != std::errc()) return std::nullopt;
    return value;
}
}  // namespace

// ---------------------------------------------------------------- Delete

Delete::Delete(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("Delete a Record");
    setStyle(WindowStyle::Dialog);
    setBackColor(palette::kBlack);
    setWidth(5400);
    setHeight(2280);
    Control& prompt = design::label(*this, "Label1", {240, 180, 4920, 600},
                                    "Please enter the Question No. of the question you want to delete.");
    prompt.setFontSize(10);
    prompt.setForeColor(palette::kText);
    design::textBox(*this, "Text1", {240, 900, 3000, 360});
    design::button(*this, "Command1", {3600, 870, 1200, 420}, "OK").setDefault(true);
    onKeyPress("Text1", [this](int, int& key) { Text1_KeyPress(key); });
    onClick("Command1", [this](int) { Command1_Click(); });
}

void Delete::Form_Activate() { setFocus(ctl("Text1")); }

void Delete::Text1_KeyPress(int& keyAscii)
{
    // Only digits and Backspace reach the box.
    if ((keyAscii < 48 || keyAscii > 57) && keyAscii != 8) keyAscii = 0;
}

void Delete::Command1_Click()
{
    const std::string& text = ctl("Text1").text();
    if (text.empty()) {
        p_.app.msgBox("Please enter a number");
        return;
    }
    // Typing lets only digits in, but pasting can bring anything: text that
    // is not a number deletes nothing.
    const std::optional<double> number = numberInBox(text);
    if (!number) {
        p_.app.msgBox("Please enter the question number in digits only, such as 12.");
        return;
    }
    if (*number == 0) {
        p_.app.msgBox("Please enter a number greater than 0.");
        return;
    }
    p_.m.DeleteNo = std::floor(*number);
    // Questions are numbered from 1. Below that no question matches, and the
    // rebuilt bank would number every question one lower, starting at 0:
    // the bank is left alone, as for a number past the last question.
    const bool namesAQuestion = p_.m.DeleteNo >= 1 && std::isfinite(p_.m.DeleteNo);
    if (namesAQuestion) {
        BankResult done = DeleteQuestion(p_.bank, p_.m.DeleteNo);
        if (done) done = CommitDelete(p_.bank);
        if (!done) {
            p_.bank.remove(bankfile::kRebuilt);
            p_.app.msgBox(bankFailure(done));
            return;
        }
    }
    refreshEditorList(p_);
    p_.app.unload(kName);
}

// ---------------------------------------------------------------- frmRestore

frmRestore::frmRestore(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("Restore");
    setStyle(WindowStyle::Dialog);
    setBackColor(palette::kBlack);
    setWidth(6000);
    setHeight(2400);
    Control& warning = design::label(*this, "Label1", {240, 180, 5520, 1020},
                                     "Selecting this option will delete any questions added by you. Are you sure you "
                                     "want to restore default questions?");
    warning.setFontSize(10);
    warning.setForeColor(palette::kText);
    design::button(*this, "Command1", {1560, 1440, 1200, 420}, "Yes").setDefault(true);
    design::button(*this, "Command2", {3240, 1440, 1200, 420}, "No").setCancel(true);
    onClick("Command1", [this](int) { Command1_Click(); });
    onClick("Command2", [this](int) { Command2_Click(); });
}

void frmRestore::Command1_Click()
{
    p_.app.unload(kName);
    const BankResult restored = RestoreDefaultBank(p_.bank);
    if (restored.fault == BankResult::Fault::Read) {
        p_.app.msgBox(bankFailure(restored));
        return;
    }
    if (!restored) {
        p_.app.msgBox("Unable to restore, please get a fresh copy of the software.");
        return;
    }
    refreshEditorList(p_);
    p_.app.msgBox("Restored Successfully");
}

void frmRestore::Command2_Click() { p_.app.unload(kName); }

}  // namespace zv
