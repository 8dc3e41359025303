#include "ui/set_dialogs.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "bank/maintenance.h"
#include "engine/palette.h"
#include "ui/design_kit.h"

namespace zv {

namespace {

Control& text(Form& f, const std::string& name, design::Box box, const std::string& caption)
{
    Control& l = design::label(f, name, box, caption);
    l.setForeColor(palette::kText);
    l.setFontSize(10);
    return l;
}

std::string counted(int n) { return std::to_string(n) + (n == 1 ? " question" : " questions"); }

// The host's local time ("2026-12-06T20:15:03") as a point in time, so the
// backup's name carries the date the player sees (and the script driver's
// fixed one in its transcripts).
std::chrono::system_clock::time_point timePointOf(const std::string& local)
{
    std::tm t{};
    if (std::sscanf(local.c_str(), "%d-%d-%dT%d:%d:%d", &t.tm_year, &t.tm_mon, &t.tm_mday, &t.tm_hour, &t.tm_min,
                    &t.tm_sec) != 6)
        return std::chrono::system_clock::now();
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    t.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&t));
}

// "Level 1: 10   Level 2: 8 ..." for the levels the set fills.
std::string levelCounts(const sets::ImportPreview& preview)
{
    std::string shown;
    for (int level = 1; level <= 15; ++level) {
        const int n = preview.perLevel[static_cast<std::size_t>(level - 1)];
        if (n == 0) continue;
        if (!shown.empty()) shown += "   ";
        shown += "Level " + std::to_string(level) + ": " + std::to_string(n);
    }
    return shown.empty() ? "No question in the set." : shown;
}

}  // namespace

std::string shownFileName(const std::string& path)
{
    const std::u8string name = std::filesystem::path(reinterpret_cast<const char8_t*>(path.c_str())).filename().u8string();
    return std::string(name.begin(), name.end());
}

std::string exportFileName(const std::string& chosen)
{
    const std::filesystem::path file(reinterpret_cast<const char8_t*>(chosen.c_str()));
    std::string extension = file.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".csv" || extension == ".json" ? chosen : chosen + ".csv";
}

frmImport::frmImport(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("Import questions");
    setStyle(WindowStyle::Dialog);
    setBackColor(palette::kBlack);
    setWidth(9000);
    setHeight(6780);
    text(*this, "Label1", {240, 240, 8520, 600}, "").setFontBold(true);
    text(*this, "Label2", {240, 900, 8520, 840}, "");
    Control& problems = design::listBox(*this, "List1", {240, 1860, 8520, 3660});
    problems.setFontName("Liberation Mono");
    design::button(*this, "cmdMerge", {2400, 5760, 1440, 420}, "Merge")
        .setToolTipText("Adds the set after the bank's questions, numbered on from the last");
    design::button(*this, "cmdReplace", {3960, 5760, 1440, 420}, "Replace")
        .setToolTipText("Puts the set in the bank's place; the old bank is kept beside it under the date");
    design::button(*this, "cmdCancel", {5520, 5760, 1440, 420}, "Cancel").setCancel(true);
    onClick("cmdMerge", [this](int) { cmdMerge_Click(); });
    onClick("cmdReplace", [this](int) { cmdReplace_Click(); });
    onClick("cmdCancel", [this](int) { cmdCancel_Click(); });
}

void frmImport::preview(Program& p, const std::string& file, SetsDone done)
{
    auto* dialog = dynamic_cast<frmImport*>(p.app.load(kName));
    if (!dialog) return;
    dialog->done_ = std::move(done);
    dialog->show(file);
    p.app.showModal(kName, {});
}

void frmImport::show(const std::string& file)
{
    fileName_ = shownFileName(file);
    const std::function<double()> random = [this] { return p_.app.rnd(); };
    set_ = sets::readSet(std::filesystem::path(reinterpret_cast<const char8_t*>(file.c_str())), random);
    // Merging also refuses what the bank already holds; replacing does not.
    const sets::ImportPreview merge = sets::previewImport(p_.bank, set_, sets::ImportMode::Merge);
    bankLines_ = listEntries(p_.bank).size();
    const sets::ImportPreview replace = sets::previewImport(p_.bank, set_, sets::ImportMode::Replace);
    const int total = static_cast<int>(set_.questions.size());
    std::string summary = fileName_ + ": " + counted(total);
    if (set_.skipped > 0) summary += " (" + std::to_string(set_.skipped) + " true/false skipped)";
    if (merge.ok())
        summary += ", ready to import.";
    else if (replace.ok())
        summary += ". Some are in the bank already: they can only replace it.";
    else
        summary += ". Nothing can be imported until the problems below are fixed.";
    ctl("Label1").setCaption(summary);
    ctl("Label2").setCaption(levelCounts(merge));
    Control& list = ctl("List1");
    list.clear();
    if (merge.problems.empty()) list.addItem("No problems found.");
    for (const sets::SetProblem& problem : merge.problems) {
        const std::string place = sets::placeName(set_, problem.where);
        list.addItem((place.empty() ? "" : place + ": ") + problem.reason);
    }
    ctl("cmdMerge").setEnabled(merge.ok() && total > 0);
    ctl("cmdReplace").setEnabled(replace.ok() && total > 0);
}

void frmImport::run(sets::ImportMode mode)
{
    const sets::ImportOutcome outcome = sets::importSet(p_.bank, set_, mode, timePointOf(p_.app.localTime()));
    SetsDone done = std::move(done_);
    p_.app.unload(kName);
    if (!outcome.ok) {
        p_.app.msgBox(outcome.message, "Import questions");
        return;
    }
    std::string status = "Imported " + counted(outcome.imported) + " from " + fileName_ + ".";
    if (!outcome.backup.empty()) status += " The old bank is kept as " + outcome.backup + ".";
    if (done) done(status, mode == sets::ImportMode::Merge ? bankLines_ + 1 : 1);
}

void frmImport::cmdMerge_Click() { run(sets::ImportMode::Merge); }
void frmImport::cmdReplace_Click() { run(sets::ImportMode::Replace); }
void frmImport::cmdCancel_Click() { p_.app.unload(kName); }

frmExport::frmExport(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("Export questions");
    setStyle(WindowStyle::Dialog);
    setBackColor(palette::kBlack);
    setWidth(6000);
    setHeight(2280);
    text(*this, "Label1", {240, 300, 1200, 300}, "From level");
    Control& from = design::comboBox(*this, "cboFrom", {1500, 240, 900, 360});
    text(*this, "Label2", {2640, 300, 1000, 300}, "to level");
    Control& to = design::comboBox(*this, "cboTo", {3720, 240, 900, 360});
    for (int level = 1; level <= 15; ++level) {
        from.addItem(std::to_string(level));
        to.addItem(std::to_string(level));
    }
    from.setText("1");
    to.setText("15");
    text(*this, "Label3", {240, 780, 5400, 300}, "As CSV or JSON, with the explanations.");
    Control& go = design::button(*this, "cmdExport", {1440, 1260, 1560, 420}, "Export...");
    go.setDefault(true);
    design::button(*this, "cmdCancel", {3120, 1260, 1440, 420}, "Cancel").setCancel(true);
    onClick("cmdExport", [this](int) { cmdExport_Click(); });
    onClick("cmdCancel", [this](int) { cmdCancel_Click(); });
}

void frmExport::ask(Program& p, SetsDone done)
{
    auto* dialog = dynamic_cast<frmExport*>(p.app.load(kName));
    if (!dialog) return;
    dialog->done_ = std::move(done);
    p.app.showModal(kName, {});
}

void frmExport::cmdExport_Click()
{
    int from = std::atoi(ctl("cboFrom").text().c_str());
    int to = std::atoi(ctl("cboTo").text().c_str());
    if (from > to) std::swap(from, to);
    const std::string chosen = p_.app.chooseFile(FileChoice::Save, "Export questions to", "questions.csv");
    if (chosen.empty()) return;  // the dialog stays for another try
    const std::string file = exportFileName(chosen);
    const sets::ExportOutcome outcome =
        sets::exportSet(p_.bank, std::filesystem::path(reinterpret_cast<const char8_t*>(file.c_str())), from, to);
    SetsDone done = std::move(done_);
    p_.app.unload(kName);
    if (!outcome.ok) {
        p_.app.msgBox(outcome.message, "Export questions");
        return;
    }
    const std::string levels = from == 1 && to == 15 ? std::string("the bank")
                               : from == to          ? "level " + std::to_string(from)
                                            : "levels " + std::to_string(from) + " to " + std::to_string(to);
    if (done) done("Exported " + counted(outcome.exported) + " of " + levels + " to " + shownFileName(file) + ".", 0);
}

void frmExport::cmdCancel_Click() { p_.app.unload(kName); }

}  // namespace zv
