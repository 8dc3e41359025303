#include "ui/question_editor.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "bank/board_limits.h"
#include "bank/maintenance.h"
#include "bank/question_extras.h"
#include "engine/palette.h"
#include "ui/confirm_dialog.h"
#include "ui/design_kit.h"
#include "ui/set_dialogs.h"

namespace zv {

namespace {
constexpr Color kText = palette::kText;
const Color kPanel = RGB(16, 16, 40);

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string lowered(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Find: every word typed is in the question or one of its options, in any case.
bool matches(const BankEntry& e, const std::vector<std::string>& words, const std::string& level)
{
    if (!level.empty() && e.level != level) return false;
    std::string text = e.question;
    for (const std::string& o : e.options) text += '\n' + o;
    text = lowered(UnescapeCommas(text));
    return std::all_of(words.begin(), words.end(), [&](const std::string& w) { return text.find(w) != std::string::npos; });
}

constexpr const char* kAllLevels = "All levels";
}  // namespace

std::string bankFailure(const BankResult& result)
{
    if (result.fault != BankResult::Fault::Read) return kBankNotWritten;
    const std::string what =
        result.file == bankfile::kBank ? std::string("The question bank") : "The file " + result.file;
    return what + " could not be read (" + plainReason(result.error) + "). Nothing was changed.";
}

Question::Question(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("Question Editor");
    setStyle(WindowStyle::Main);
    setBackColor(palette::kBlack);
    setWidth(11520);
    setHeight(9720);

    auto caption = [this](const std::string& name, design::Box box, const std::string& text, int index = -1) {
        Control& l = design::label(*this, name, box, text, index);
        l.setFontSize(10);
        l.setFontBold(true);
        l.setForeColor(kText);
        return &l;
    };
    caption("Label1", {240, 270, 1800, 300}, "Question");
    design::textBox(*this, "Text1", {2160, 240, 9000, 360});
    for (int i = 0; i < 4; ++i) {
        caption("Label2", {240, 750 + i * 450, 1800, 300}, std::string("Option ") + static_cast<char>('A' + i), i);
        design::textBox(*this, "Options", {2160, 720 + i * 450, 9000, 360}, i);
    }
    caption("Label3", {240, 2580, 1800, 300}, "Correct Answer");
    design::comboBox(*this, "Combo1", {2160, 2550, 1200, 360});
    caption("Label4", {4200, 2580, 1800, 300}, "Difficulty Level");
    design::comboBox(*this, "Combo2", {6120, 2550, 1200, 360});
    caption("Label5", {7440, 2580, 1500, 300}, "1 - Easy ");
    caption("Label6", {8940, 2580, 2100, 300}, "15 - Difficult");
    design::button(*this, "add1", {2160, 3120, 1800, 420}, "Add");
    design::button(*this, "deletedata", {4080, 3120, 1800, 420}, "Delete");
    design::button(*this, "Command6", {6000, 3120, 2400, 420}, "Restore Default")
        .setToolTipText("The current file imp.zrv will be renamed to can_be_deleted.zrv.");
    design::button(*this, "Command2", {8520, 3120, 2640, 420}, "Question Analyzer");
    // The explanation, and the row that finds, saves and deletes a question
    // picked in the list, above it.
    caption("Label11", {240, 3690, 1800, 300}, "Explanation");
    design::textBox(*this, "txtExplain", {2160, 3660, 9000, 360})
        .setToolTipText("One line the board shows after the verdict: why the answer is right, or a fact around it");
    caption("Label12", {240, 4170, 1800, 300}, "Find");
    design::textBox(*this, "txtFind", {2160, 4140, 3240, 360})
        .setToolTipText("Shows only the questions whose text or options hold every word typed here, in any case");
    design::comboBox(*this, "cboLevel", {5520, 4140, 1440, 360});
    design::button(*this, "cmdSave", {7080, 4110, 1920, 420}, "Save changes")
        .setToolTipText("Puts the question picked in the list back as edited, under its own number");
    design::button(*this, "cmdRemove", {9120, 4110, 2040, 420}, "Delete selected")
        .setToolTipText("Deletes the question picked in the list; the questions after it are numbered one less");
    caption("lblStatus", {240, 4680, 6720, 300}, "")->setFontBold(false);
    // Whole sets in and out (ui/set_dialogs.h).
    design::button(*this, "cmdImport", {7080, 4620, 1920, 420}, "Import...")
        .setToolTipText("Brings in questions from a CSV or JSON file or another bank, after a preview");
    design::button(*this, "cmdExport", {9120, 4620, 2040, 420}, "Export...")
        .setToolTipText("Writes the bank, or some levels of it, to a CSV or JSON file");
    Control& list = design::listBox(*this, "List1", {240, 5160, 10920, 4200});
    list.setFontName("Liberation Mono");
    resetLists();
    Control& levels = ctl("cboLevel");
    levels.addItem(kAllLevels);
    for (int i = 1; i <= 15; ++i) levels.addItem("Level " + std::to_string(i));
    levels.setText(kAllLevels);

    // The analyzer: questions per level as a bar chart, level 1 on the left.
    Control& frame = design::frame(*this, "Frame1", {240, 5160, 10920, 2640}, "");
    frame.setBackColor(kPanel);
    frame.setVisible(false);
    auto inFrame = [&frame](Control& c) -> Control& { return design::in(frame, c); };
    inFrame(design::line(*this, "Line1", 1440, 240, 1440, 1500, kText));
    inFrame(design::line(*this, "Line2", 1440, 1500, 10800, 1500, kText));
    Control& axisY = inFrame(design::label(*this, "Label8", {120, 600, 1260, 600}, "No. Of Questions"));
    Control& axisX = inFrame(design::label(*this, "Label7", {4800, 2040, 2400, 300}, "Level Number"));
    inFrame(design::label(*this, "Label9", {120, 1320, 1200, 300}, ""));
    for (Control* c : {&axisY, &axisX}) {
        c->setFontSize(9);
        c->setForeColor(kText);
    }
    for (int i = 0; i < 15; ++i) {
        const int left = 1680 + 600 * i;
        inFrame(design::shape(*this, "Shape1", {left, 1440, 360, 60}, palette::kOrange, i));
        Control& count = inFrame(design::label(*this, "Label10", {left - 60, 60, 480, 255}, "", i));
        count.setFontSize(8);
        count.setForeColor(kText);
        count.setAlignment(Align::Center);
    }
    for (int level = 15; level >= 1; --level) {
        Control& l = inFrame(design::label(*this, "Label10", {1680 + 600 * (level - 1) - 60, 1560, 480, 255},
                                           std::to_string(level), 30 - level));
        l.setFontSize(8);
        l.setForeColor(kText);
        l.setAlignment(Align::Center);
    }
    inFrame(design::button(*this, "Command3", {9480, 2040, 1200, 420}, "Close")).setCancel(true);
    BarChart chart;
    for (int i = 0; i < 15; ++i) {
        chart.valueLabels.push_back(&ctl("Label10", i));
        chart.categories.push_back(std::to_string(i + 1));
    }
    chart.barColour = &ctl("Shape1", 0);
    chart.categoryTitle = "Level Number";
    chart.valueTitle = "No. Of Questions";
    frame.setBarChart(std::move(chart));

    onClick("add1", [this](int) { add1_Click(); });
    onClick("deletedata", [this](int) { deletedata_Click(); });
    onClick("Command6", [this](int) { Command6_Click(); });
    onClick("Command2", [this](int) { Command2_Click(); });
    onClick("Command3", [this](int) { Command3_Click(); });
    onClick("List1", [this](int) { List1_Click(); });
    onClick("cmdSave", [this](int) { cmdSave_Click(); });
    onClick("cmdRemove", [this](int) { cmdRemove_Click(); });
    onClick("cmdImport", [this](int) { cmdImport_Click(); });
    onClick("cmdExport", [this](int) { cmdExport_Click(); });
    onChange("txtFind", [this](int) { filterList(); });
    onChange("cboLevel", [this](int) { filterList(); });
}

void Question::resetLists()
{
    Control& answer = ctl("Combo1");
    answer.clear();
    for (const char* letter : {"A", "B", "C", "D"}) answer.addItem(letter);
    Control& level = ctl("Combo2");
    level.clear();
    for (int i = 1; i <= 15; ++i) level.addItem(std::to_string(i));
}

void Question::ListQuestions()
{
    BankResult read;
    std::vector<BankEntry> entries = listEntries(p_.bank, &read);
    if (!read) {
        // The list keeps what it showed: a bank read in part would look
        // like a bank that lost its questions.
        p_.app.msgBox(bankFailure(read));
        return;
    }
    entries_ = std::move(entries);
    filterList();
}

void Question::filterList()
{
    std::vector<std::string> words;
    {
        const std::string typed = lowered(ctl("txtFind").text());
        std::size_t at = 0;
        while ((at = typed.find_first_not_of(' ', at)) != std::string::npos) {
            const std::size_t end = std::min(typed.find(' ', at), typed.size());
            words.push_back(typed.substr(at, end - at));
            at = end;
        }
    }
    const std::string chosen = ctl("cboLevel").text();
    const std::string level = chosen.rfind("Level ", 0) == 0 ? chosen.substr(6) : std::string();
    Control& list = ctl("List1");
    list.clear();
    shown_.clear();
    list.addItem(kListHeader);
    const bool everything = words.empty() && level.empty();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (!everything && !matches(entries_[i], words, level)) continue;
        shown_.push_back(i);
        list.addItem(listRow(entries_[i]));
    }
    // The picked question stays picked while it is on show.
    for (std::size_t row = 0; row < shown_.size(); ++row)
        if (picked_.line != 0 && entries_[shown_[row]].line == picked_.line) list.setListIndex(static_cast<int>(row + 1));
}

void Question::say(const std::string& status) { ctl("lblStatus").setCaption(status); }

void Question::List1_Click()
{
    const int row = ctl("List1").listIndex();
    if (row < 1 || static_cast<std::size_t>(row) > shown_.size()) return;  // the header
    picked_ = entries_[shown_[static_cast<std::size_t>(row - 1)]];
    ctl("Text1").setText(UnescapeCommas(picked_.question));
    for (std::size_t i = 0; i < 4; ++i) ctl("Options", static_cast<int>(i)).setText(UnescapeCommas(picked_.options[i]));
    ctl("Combo1").setText(picked_.answer);
    ctl("Combo2").setText(picked_.level);
    const QuestionExtras extras = QuestionExtras::read(p_.bank, bankfile::kBank);
    const QuestionExtra* extra = extras.find(picked_.question);
    ctl("txtExplain").setText(extra ? extra->explanation : "");
    say("Question " + picked_.serial + " picked: change it and press Save changes, or Delete selected.");
}

std::array<std::string, 4> Question::typedOptions()
{
    return {ctl("Options", 0).text(), ctl("Options", 1).text(), ctl("Options", 2).text(), ctl("Options", 3).text()};
}

void Question::clearFields()
{
    ctl("Text1").setText("");
    for (int i = 0; i < 4; ++i) ctl("Options", i).setText("");
    ctl("txtExplain").setText("");
    resetLists();
}

void Question::keepExplanation(const std::string& question, const std::string& previous)
{
    std::error_code read;
    QuestionExtras extras = QuestionExtras::read(p_.bank, bankfile::kBank, &read);
    if (read) return;  // a file read in part is not written back
    QuestionExtra extra = extras.find(previous) ? *extras.find(previous) : QuestionExtra{};
    extras.rename(previous, question);
    extra.explanation = ctl("txtExplain").text();
    extras.set(question, extra);
    if (extras.write(p_.bank, bankfile::kBank))
        p_.app.msgBox("The question was saved, but its explanation could not be (is the disk full?).",
                      "Question Validator");
}

void Question::selectLine(std::size_t line)
{
    picked_ = {};
    for (const BankEntry& e : entries_)
        if (e.line == line) picked_ = e;
    if (picked_.line == 0) return;
    if (std::none_of(shown_.begin(), shown_.end(), [&](std::size_t i) { return entries_[i].line == line; })) {
        ctl("txtFind").setText("");
        ctl("cboLevel").setText(kAllLevels);
    }
    filterList();
}

bool Question::fieldsComplete()
{
    struct Check {
        const Control& field;
        bool trim;
        const char* message;
    };
    const Check checks[] = {
        {ctl("Text1"), true, "Please enter a question."},
        {ctl("Options", 0), true, "Please enter Option A"},
        {ctl("Options", 1), true, "Please enter Option B"},
        {ctl("Options", 2), true, "Please enter Option C"},
        {ctl("Options", 3), true, "Please enter Option D"},
        {ctl("Combo1"), false, "Please enter the correct answer"},
        {ctl("Combo2"), false, "Please enter the difficulty"},
    };
    for (const Check& c : checks) {
        if ((c.trim ? trimmed(c.field.text()) : c.field.text()).empty()) {
            p_.app.msgBox(c.message, "Question Validator");
            return false;
        }
    }
    return !tooLongForTheBoard();
}

void Question::cmdSave_Click()
{
    if (picked_.line == 0) {
        p_.app.msgBox("Pick the question to change in the list first.", "Question Validator");
        return;
    }
    if (!fieldsComplete()) return;
    const std::string line =
        questionLine(picked_.serial, ctl("Text1").text(), typedOptions(), ctl("Combo1").text(), ctl("Combo2").text());
    const BankResult saved = EditQuestion(p_.bank, picked_.line, picked_.raw, line);
    if (!saved) {
        // The fields keep their texts, so nothing typed is lost.
        p_.app.msgBox(saved.fault == BankResult::Fault::Missing
                          ? "The question changed in the bank since the list was read; the list is read again. "
                            "Pick it again to save your changes."
                          : bankFailure(saved),
                      "Question Validator");
        if (saved.fault == BankResult::Fault::Missing) ListQuestions();
        return;
    }
    QuestionRecord rec;
    SplitRecord(line, rec);
    keepExplanation(rec[kQuestion], picked_.question);
    // Only that line changed: the list is not read again (a bank of 100 000
    // questions would keep the player waiting).
    for (BankEntry& e : entries_) {
        if (e.line != picked_.line) continue;
        e = {e.line, rec[kSerial], rec[kQuestion], {rec[2], rec[3], rec[4], rec[5]}, rec[kAnswer], rec[kDifficulty], line};
        picked_ = e;
    }
    filterList();
    say("Question " + picked_.serial + " saved.");
}

void Question::cmdRemove_Click()
{
    if (picked_.line == 0) {
        p_.app.msgBox("Pick the question to delete in the list first.", "Question Validator");
        return;
    }
    const BankEntry doomed = picked_;
    frmConfirm::ask(p_, "Delete question",
                    "Delete question " + doomed.serial + ", \"" + UnescapeCommas(doomed.question) +
                        "\"? The questions after it are numbered one less.",
                    [this, doomed] {
                        const auto number = numberValue(doomed.serial);
                        BankResult done = number ? DeleteQuestion(p_.bank, *number)
                                                 : BankResult::failed(BankResult::Fault::Missing, bankfile::kBank);
                        if (done) done = CommitDelete(p_.bank);
                        if (!done) {
                            p_.bank.remove(bankfile::kRebuilt);
                            p_.app.msgBox(bankFailure(done), "Question Validator");
                            return;
                        }
                        // Its explanation goes with it.
                        QuestionExtras extras = QuestionExtras::read(p_.bank, bankfile::kBank);
                        if (extras.find(doomed.question)) {
                            extras.set(doomed.question, {});
                            extras.write(p_.bank, bankfile::kBank);
                        }
                        picked_ = {};
                        clearFields();
                        ListQuestions();
                        say("Question " + doomed.serial + " deleted; the questions after it are numbered one less.");
                    });
}

void Question::Form_Load()
{
    ListQuestions();
    // Laid out for 15360 x 11520 twips, like the board.
    scaleToScreen(true);
}

void Question::add1_Click()
{
    if (!fieldsComplete()) return;
    BankResult added;
    const std::string line =
        AddQuestion(p_.bank, ctl("Text1").text(), typedOptions(), ctl("Combo1").text(), ctl("Combo2").text(), &added);
    if (!added) {
        // The fields keep their texts, so nothing typed is lost.
        p_.app.msgBox(bankFailure(added), "Question Validator");
        return;
    }
    QuestionRecord rec;
    SplitRecord(line, rec);
    if (!trimmed(ctl("txtExplain").text()).empty()) keepExplanation(rec[kQuestion], rec[kQuestion]);
    clearFields();
    setFocus(ctl("Text1"));
    ListQuestions();
    // The new question picked and in view, so the player sees where it went.
    if (!entries_.empty()) selectLine(entries_.back().line);
    picked_ = {};
    say("Question " + rec[kSerial] + " added.");
}

bool Question::tooLongForTheBoard()
{
    // The board shrinks a long text and at last cuts it: the player hears
    // of it before saving, and a second Add keeps the text as it is.
    std::string warning;
    const std::string& question = ctl("Text1").text();
    if (shownLength(question) > kMaxQuestionChars)
        warning += "The question has " + std::to_string(shownLength(question)) + " characters; the board shows " +
                   std::to_string(kMaxQuestionChars) + " in full.\n";
    for (int i = 0; i < 4; ++i) {
        const std::string& option = ctl("Options", i).text();
        if (shownLength(option) > kMaxOptionChars)
            warning += std::string("Option ") + static_cast<char>('A' + i) + " has " +
                       std::to_string(shownLength(option)) + " characters; the board shows " +
                       std::to_string(kMaxOptionChars) + " in full.\n";
    }
    std::string texts = question;
    for (int i = 0; i < 4; ++i) texts += '\n' + ctl("Options", i).text();
    if (warning.empty() || texts == warnedTexts_) return false;
    warnedTexts_ = texts;
    p_.app.msgBox(warning + "Shorten it, or press Add again to save it as it is: the board will draw it smaller "
                            "and may cut it short.",
                  "Question Validator");
    return true;
}

void Question::deletedata_Click() { p_.app.show(forms::kDelete); }

void Question::Command6_Click() { p_.app.showModal(forms::kRestore, {}); }

void Question::Command2_Click() { Missing2(); }

void Question::Command3_Click() { ctl("Frame1").setVisible(false); }

void Question::Missing2()
{
    BankResult read;
    const auto counts = countPerLevel(p_.bank, p_.m.QuestionRec, &read);
    if (!read) {
        p_.app.msgBox(bankFailure(read));
        return;
    }
    for (int i = 0; i < 15; ++i) {
        const int c = counts[static_cast<std::size_t>(i)];
        if (c <= 0) continue;  // a level without questions keeps its bar and label
        Control& bar = ctl("Shape1", i);
        bar.setHeight(10 * c);
        bar.setTop(1500 - 10 * c);
        ctl("Label10", i).setCaption(std::to_string(c));
    }
    ctl("Frame1").setVisible(true);
}

void Question::Form_Unload()
{
    for (auto file : {bankfile::kListMarker, bankfile::kLevelCopy, bankfile::kDrawCopy}) p_.bank.remove(file);
    p_.app.unload(forms::kDelete);
}

}  // namespace zv

namespace zv {

void Question::cmdImport_Click()
{
    const std::string file = p_.app.chooseFile(FileChoice::Open, "Choose a set of questions", "");
    if (file.empty()) return;
    frmImport::preview(p_, file, [this](const std::string& status, std::size_t firstNew) { setsDone(status, firstNew); });
}

void Question::cmdExport_Click()
{
    frmExport::ask(p_, [this](const std::string& status, std::size_t firstNew) { setsDone(status, firstNew); });
}

void Question::setsDone(const std::string& status, std::size_t firstNewLine)
{
    if (firstNewLine > 0) {
        clearFields();
        ListQuestions();
        selectLine(firstNewLine);  // the first question that came in, in view
        if (ctl("Frame1").visible()) Missing2();
    }
    say(status);
}

}  // namespace zv
