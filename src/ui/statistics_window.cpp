#include "ui/statistics_window.h"

#include <cstdio>

#include "engine/ladder.h"
#include "engine/palette.h"
#include "history/history_csv.h"
#include "ui/design_kit.h"
#include "ui/game_settings.h"
#include "ui/history_recorder.h"
#include "ui/ini_file.h"

namespace zv {

namespace {

constexpr Color kText = palette::kText;
const Color kPanel = RGB(12, 12, 36);
constexpr const char* kCsvFile = "history.csv";

const char* styleName(int gameType)
{
    switch (gameType) {
    case 1: return "Blinking";
    case 2: return "ZRV like";
    case 3: return "Fast";
    default: return "?";
    }
}

// "2026-01-05T10:00:00" as "2026-01-05 10:00".
std::string shortDate(const std::string& iso)
{
    std::string d = iso.substr(0, 16);
    if (d.size() > 10 && d[10] == 'T') d[10] = ' ';
    return d;
}

std::string rupees(long long amount) { return "Rs. " + groupedRupees(static_cast<int>(amount)); }

std::string secondsText(double s)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f s", s);
    return buf;
}

Control& textLabel(Form& f, const std::string& name, design::Box box, const std::string& text, Control* frame = nullptr)
{
    Control& l = design::label(f, name, box, text);
    l.setFontSize(10);
    l.setForeColor(kText);
    l.setBackColor(kPanel);
    return frame ? design::in(*frame, l) : l;
}

Control& panel(Form& f, const std::string& name, design::Box box, const std::string& title)
{
    Control& frame = design::frame(f, name, box, title);
    frame.setBackColor(kPanel);
    frame.setForeColor(palette::kOrange);
    return frame;
}

// A chart of `count` values in `frame`: value labels `name`(0..count-1),
// not drawn where a chart library draws the chart.
void chart(Form& f, Control& frame, const char* name, int count, BarChart bars)
{
    for (int i = 0; i < count; ++i) {
        Control& v = design::in(frame, design::label(f, name, {120 + i * 320, 240, 300, 255}, "", i));
        v.setForeColor(kText);
        bars.valueLabels.push_back(&v);
    }
    bars.barColour = &f.ctl("shpBar");
    frame.setBarChart(std::move(bars));
}

}  // namespace

frmStatistics::frmStatistics(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("Statistics");
    setStyle(WindowStyle::Main);
    setBackColor(palette::kBlack);
    setWidth(13800);
    setHeight(9720);

    Control& name = textLabel(*this, "lblPlayer", {240, 120, 8400, 360}, "");
    name.setFontSize(12);
    name.setFontBold(true);
    name.setForeColor(palette::kOrange);
    name.setBackColor(palette::kBlack);

    // The figures, in two columns.
    const char* left[][2] = {{"Label1", "Games played:"}, {"Label2", "Best winnings:"}, {"Label3", "Average winnings:"}};
    const char* leftValues[] = {"lblGames", "lblBest", "lblAverage"};
    for (int i = 0; i < 3; ++i) {
        textLabel(*this, left[i][0], {240, 540 + i * 300, 1920, 300}, left[i][1]).setBackColor(palette::kBlack);
        textLabel(*this, leftValues[i], {2160, 540 + i * 300, 1920, 300}, "").setBackColor(palette::kBlack);
    }
    textLabel(*this, "Label4", {4200, 540, 1800, 300}, "How games ended:").setBackColor(palette::kBlack);
    textLabel(*this, "lblOutcomes", {6000, 540, 7560, 300}, "").setBackColor(palette::kBlack);
    textLabel(*this, "Label5", {4200, 840, 1800, 300}, "Lifelines used:").setBackColor(palette::kBlack);
    textLabel(*this, "lblLifelines", {6000, 840, 7560, 300}, "").setBackColor(palette::kBlack);

    // The colour of every chart's bars and line.
    design::shape(*this, "shpBar", {0, 0, 15, 15}, palette::kOrange).setVisible(false);

    std::vector<std::string> levels;
    for (int i = 1; i <= 15; ++i) levels.push_back(std::to_string(i));
    Control& reached = panel(*this, "Frame1", {240, 1560, 6540, 2640}, "How far games get");
    chart(*this, reached, "lblReached", 15, {{}, levels, nullptr, "Highest question", "Games", false, false});
    Control& share = panel(*this, "Frame2", {7020, 1560, 6540, 2640}, "Right answers by level");
    chart(*this, share, "lblShare", 15, {{}, levels, nullptr, "Question", "% right", true, false});

    std::vector<std::string> recent;
    for (int i = 1; i <= history::kRecentGames; ++i) recent.push_back(std::to_string(i));
    Control& winnings = panel(*this, "Frame3", {240, 4320, 6540, 2400}, "Winnings of the last games");
    chart(*this, winnings, "lblWinnings", history::kRecentGames,
          {{}, recent, nullptr, "Oldest to latest", "Rupees", false, true});

    Control& best = panel(*this, "Frame4", {7020, 4320, 6540, 2400}, "The ten best games");
    Control& bestList = design::in(best, design::listBox(*this, "List1", {120, 300, 6300, 1980}));
    Control& last = panel(*this, "Frame5", {240, 6840, 13320, 2160}, "The last game");
    Control& lastList = design::in(last, design::listBox(*this, "List2", {120, 300, 13080, 1740}));
    for (Control* l : {&bestList, &lastList}) {
        l->setBackColor(RGB(0, 0, 0));
        l->setForeColor(kText);
        l->setFontSize(9);
    }

    design::button(*this, "Command1", {240, 9120, 1800, 420}, "Export to CSV").setToolTipText(
        "Saves every game and answer as history.csv beside history.db, for a spreadsheet");
    design::button(*this, "Command3", {2280, 9120, 1200, 420}, "Name...").setToolTipText("The name your record carries");
    Control& close = design::button(*this, "Command2", {12360, 9120, 1200, 420}, "Close");
    close.setDefault(true);
    close.setCancel(true);
    onClick("Command1", [this](int) { Command1_Click(); });
    onClick("Command2", [this](int) { Command2_Click(); });
    onClick("Command3", [this](int) { Command3_Click(); });
}

void frmStatistics::Form_Load() { Refresh(); }

void frmStatistics::Refresh()
{
    const GameSettings settings = readGameSettings(p_.app.path() / kSettingsFile);
    const std::string who = settings.playerName && !settings.playerName->empty() ? *settings.playerName : "";
    ctl("lblPlayer").setCaption(who.empty() ? "Your record" : "The record of " + who);
    ctl("Frame4").setCaption(who.empty() ? "The ten best games" : "The ten best games of " + who);

    auto* recorder = dynamic_cast<HistoryRecorder*>(p_.record);
    const history::HistoryDb* db = recorder ? recorder->database() : nullptr;
    if (!db) {
        ctl("lblPlayer").setCaption("The history of your games is not being kept.");
        showFigures({});
        return;
    }
    showFigures(history::statistics(*db));
}

void frmStatistics::showFigures(const history::Statistics& s)
{
    ctl("lblGames").setCaption(std::to_string(s.games));
    ctl("lblBest").setCaption(rupees(s.best));
    ctl("lblAverage").setCaption(rupees(s.average));
    ctl("lblOutcomes").setCaption("won " + std::to_string(s.won) + ", wrong answer " + std::to_string(s.wrong) +
                                  ", withdrew " + std::to_string(s.withdrew) + ", left " + std::to_string(s.left));
    ctl("lblLifelines").setCaption("Fifty-Fifty " + std::to_string(s.fifty) + ", Phone-A-Friend " +
                                   std::to_string(s.phone) + ", Audience Poll " + std::to_string(s.poll) +
                                   ", host's advice " + std::to_string(s.advice) + " (games that used each)");
    for (int i = 0; i < 15; ++i) {
        const auto at = static_cast<std::size_t>(i);
        ctl("lblReached", i).setCaption(s.reached[at] ? std::to_string(s.reached[at]) : "");
        const auto share = s.rightShare(i + 1);
        ctl("lblShare", i).setCaption(share ? std::to_string(*share) : "");
    }
    for (int i = 0; i < history::kRecentGames; ++i) {
        const auto at = static_cast<std::size_t>(i);
        ctl("lblWinnings", i).setCaption(at < s.recentWinnings.size() ? std::to_string(s.recentWinnings[at]) : "");
    }

    Control& best = ctl("List1");
    best.clear();
    int rank = 0;
    for (const history::GameRow& g : s.bestGames)
        best.addItem(std::to_string(++rank) + ". " + rupees(g.amountWon) + "   " + shortDate(g.started) + "   " +
                     styleName(g.gameType) + "   question " + std::to_string(g.levelReached) + "   " + g.outcome);
    if (s.bestGames.empty()) best.addItem("No games yet: play one from the main menu.");

    Control& last = ctl("List2");
    last.clear();
    if (!s.last) return;
    const history::GameRow& g = *s.last;
    last.addItem(shortDate(g.started) + "   " + styleName(g.gameType) + "   " +
                 (g.outcome.empty() ? std::string("in play") : g.outcome) + "   " + rupees(g.amountWon) +
                 (g.lifelines.empty() ? "" : "   lifelines: " + g.lifelines));
    for (const history::AnswerRow& a : s.lastAnswers) {
        std::string verdict = !a.seconds ? "not answered" : (a.right ? "right" : "wrong");
        last.addItem("Q" + std::to_string(a.level) + "   picked " + (a.picked.empty() ? "-" : a.picked) +
                     ", answer " + a.correct + ", " + verdict + (a.seconds ? ", " + secondsText(*a.seconds) : "") +
                     "   " + a.question);
    }
}

void frmStatistics::Command1_Click()
{
    auto* recorder = dynamic_cast<HistoryRecorder*>(p_.record);
    const history::HistoryDb* db = recorder ? recorder->database() : nullptr;
    const std::filesystem::path file = p_.bank.dir() / kCsvFile;
    const std::string error = db ? history::exportCsv(*db, file) : "the history is not being kept";
    const std::u8string where = file.u8string();
    if (error.empty())
        p_.app.msgBox("Your history was saved as " + std::string(where.begin(), where.end()) + ".", "Statistics");
    else
        p_.app.msgBox("Your history could not be saved: " + error + ".", "Statistics");
}

void frmStatistics::Command2_Click() { p_.app.unload(kName); }

void frmStatistics::Command3_Click()
{
    p_.app.showModal(forms::kPlayer, [this] { Refresh(); });
}

// ---------------------------------------------------------------- the name

frmPlayer::frmPlayer(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("Your name");
    setStyle(WindowStyle::Dialog);
    setBackColor(palette::kBlack);
    setWidth(5400);
    setHeight(2280);
    Control& ask = design::label(*this, "Label1", {240, 180, 4920, 600},
                                 "Your name for your record of games (you may leave it empty):");
    ask.setForeColor(kText);
    ask.setFontSize(10);
    design::textBox(*this, "Text1", {240, 840, 4920, 360});
    design::button(*this, "Command1", {2520, 1440, 1200, 420}, "OK").setDefault(true);
    design::button(*this, "Command2", {3960, 1440, 1200, 420}, "Skip").setCancel(true);
    onClick("Command1", [this](int) { Command1_Click(); });
    onClick("Command2", [this](int) { Command2_Click(); });
}

void frmPlayer::Form_Load()
{
    const GameSettings s = readGameSettings(p_.app.path() / kSettingsFile);
    ctl("Text1").setText(s.playerName.value_or(""));
    setFocus(ctl("Text1"));
}

void frmPlayer::Command1_Click()
{
    if (!writePlayerName(p_.app.path() / kSettingsFile, ctl("Text1").text()))
        p_.app.msgBox("Your name could not be saved (is the disk full, or the folder read-only?).", "Your name");
    p_.app.unload(kName);
}

void frmPlayer::Command2_Click()
{
    // Skipped is answered: the name is not asked for again.
    if (!readGameSettings(p_.app.path() / kSettingsFile).playerName)
        writePlayerName(p_.app.path() / kSettingsFile, "");
    p_.app.unload(kName);
}

}  // namespace zv
