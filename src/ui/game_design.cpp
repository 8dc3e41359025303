// The game board as designed for a 1024 x 768 screen (15360 x 11520 twips):
// a black set with orange text, the money ladder on the right under the
// three lifelines, the prize panel top left, the question and its four
// option capsules across the lower half, the emblem at the bottom centre.

#include <string>

#include "engine/board_layout.h"
#include "engine/ladder.h"
#include "engine/palette.h"
#include "toolkit/application.h"
#include "ui/design_kit.h"
#include "ui/game_design.h"

namespace zv {

namespace {
using design::Box;
using palette::kOrange;
constexpr Color kPanel = palette::kText;

// Positions are easier to read in pixels of the design screen.
constexpr Box px(int l, int t, int w, int h) { return {l * 15, t * 15, w * 15, h * 15}; }

Control& boardLabel(Form& f, std::string name, Box box, std::string caption, int index = -1)
{
    Control& c = design::label(f, std::move(name), box, std::move(caption), index);
    c.setForeColor(kOrange);
    return c;
}

// The caption of a ladder row: the level, a run of blanks, the prize.
std::string ladderCaption(int level)
{
    return std::to_string(level) + std::string(level < 10 ? 16 : 14, ' ') + std::to_string(ladder(level).prize);
}

// A lifeline or the emblem at its resting place.
Control& growingImage(Form& f, const char* name)
{
    for (const board::GrowingImage& g : board::kGrowingImages)
        if (std::string(g.name) == name) return design::image(f, name, {g.left, g.top, g.width, g.height});
    return design::image(f, name, {});
}

void designPollPanel(Form& f)
{
    // The audience poll: four bars of votes with their percentages.
    Control& frame = design::frame(f, "Frame1", {2160, 3960, 2895, 2175}, "");
    frame.setBackColor(kPanel);
    frame.setVisible(false);
    const int lefts[] = {360, 960, 1560, 2160};
    const Color colours[] = {RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 0, 255), RGB(0, 128, 0)};
    const char* letters[] = {"A", "B", "C", "D"};
    for (int i = 0; i < 4; ++i) {
        // Black bars first: the coloured bar stands in front of its shadow.
        design::in(frame, design::shape(f, "Shape" + std::to_string(i + 1), {lefts[i] + 70, 1460, 375, 0}, palette::kBlack));
    }
    for (int i = 0; i < 4; ++i)
        design::in(frame, design::shape(f, "Shape" + std::to_string(i + 5), {lefts[i], 1500, 375, 0}, colours[i]));
    for (int i = 0; i < 4; ++i) {
        Control& pct = design::in(frame, design::label(f, "Label" + std::to_string(i + 10), {lefts[i] + 120, 120, 450, 255}, ""));
        pct.setFontSize(8);
        Control& letter = design::in(frame, design::label(f, "Label" + std::to_string(i + 6), {lefts[i] + 120, 1560, 300, 255}, letters[i]));
        letter.setFontSize(10);
        letter.setFontBold(true);
    }
    design::in(frame, design::line(f, "Line1", 240, 120, 240, 1560, palette::kBlack));
    design::in(frame, design::line(f, "Line2", 240, 1560, 2760, 1560, palette::kBlack));
    BarChart chart;
    for (int i = 0; i < 4; ++i) {
        chart.valueLabels.push_back(&f.ctl("Label" + std::to_string(i + 10)));
        chart.categories.push_back(letters[i]);
    }
    chart.barColour = &f.ctl("Shape5");
    chart.percent = true;
    frame.setBarChart(std::move(chart));
}

void designAdvicePanel(Form& f)
{
    // "Kya Lagta Hai": the player marks the option to ask the host about.
    Control& frame = design::frame(f, "Frame2", {4920, 3960, 2295, 2175}, "");
    frame.setBackColor(kPanel);
    frame.setVisible(false);
    Control& prompt = design::in(frame, design::label(f, "Label15", {120, 160, 2055, 720},
                                                      "Please select the option you feel is correct."));
    prompt.setFontSize(9);
    prompt.setAlignment(Align::Center);
    const int lefts[] = {360, 840, 1320, 1800};
    const char* letterNames[] = {"Label14", "Label16", "Label17", "Label18"};
    const char* letters[] = {"A", "B", "C", "D"};
    for (int i = 0; i < 4; ++i) {
        Control& o = design::in(frame, design::option(f, "Option" + std::to_string(i + 1), {lefts[i], 960, 255, 255}, ""));
        o.setBackColor(kPanel);
        Control& l = design::in(frame, design::label(f, letterNames[i], {lefts[i] + 30, 1440, 255, 255}, letters[i]));
        l.setFontSize(10);
        l.setFontBold(true);
    }
    design::in(frame, design::button(f, "Command1", {960 - 120, 1680, 735, 375}, "OK"));
}
}  // namespace

void designGame(Form& f)
{
    f.setCaption("Zarvana");
    f.setStyle(WindowStyle::Board);
    f.setBackColor(palette::kBlack);
    f.setWidth(kDesignScreenWidth);
    f.setHeight(kDesignScreenHeight);

    // Title and credit.
    Control& title = boardLabel(f, "Label20", px(16, 8, 320, 26), "Zarvana");
    title.setFontBold(true);
    Control& credit = boardLabel(f, "Label19", px(16, 34, 320, 20), "Fifteen questions to one crore");
    credit.setFontSize(9.75);
    credit.setFontBold(true);

    // Prize panel: captions and their values, hidden until a game starts.
    struct Row { const char* caption; const char* captionName; const char* valueName; int top; };
    const Row rows[] = {{"This is Question No. ", "Label4", "lblQNo", 64},
                        {"For", "Label5", "lblFor", 88},
                        {"Total Prize Money", "Label2", "lblTotal", 112},
                        {"Assured Prize Money", "Label3", "lblAs", 136}};
    for (const Row& r : rows) {
        boardLabel(f, r.captionName, px(16, r.top, 186, 22), r.caption).setVisible(false);

        Control& value = boardLabel(f, r.valueName, px(204, r.top, 150, 22), "");
        value.setFontBold(true);
        value.setVisible(false);
    }

    // Picture holders: the option templates and the lifeline artwork, never shown.
    for (const char* name : {"ImgBlack", "ImgYellow", "ImgOrange", "ImgGreen"})
        design::image(f, name, px(24, 508, 480, 56)).setVisible(false);
    for (const char* name : {"Image1", "Image2", "Image3", "Image4", "Image7", "Image8"})
        design::image(f, name, px(768, 48, 87, 45)).setVisible(false);

    // The three lifelines.
    for (const char* name : {"Image10", "Image9", "Image11"}) growingImage(f, name);

    // The money ladder, level 15 at the top.
    for (int i = kTopLevel - 1; i >= 0; --i) {
        Control& row = boardLabel(f, "Label1", px(776, 102 + (14 - i) * 21, 232, 20), ladderCaption(i + 1), i);
        row.setFontBold(true);
        row.setColumns(true);
    }

    // Action labels, under the prize panel.
    boardLabel(f, "lblLock", px(16, 176, 220, 24), "Lock Kar Diya Jai").setVisible(false);
    boardLabel(f, "lblKya", px(16, 204, 220, 24), "Kya Lagta Hai").setVisible(false);
    boardLabel(f, "lblWith", px(16, 232, 220, 24), "WithDraw").setVisible(false);
    for (const char* name : {"lblLock", "lblKya", "lblWith"}) f.ctl(name).setFontBold(true);
    Control& exit = boardLabel(f, "lblExit", px(900, 706, 110, 44), "Exit");
    exit.setFontSize(21.75);
    exit.setAlignment(Align::Center);

    Control& start = boardLabel(f, "lblStart", px(392, 300, 240, 48), "Start");
    start.setFontSize(21.75);
    start.setAlignment(Align::Center);

    // The question panel and the four option capsules.
    design::image(f, "Image5", px(24, 420, 976, 80));
    Control& question = boardLabel(f, "lblQuestion", px(60, 428, 904, 64), "");
    question.setAlignment(Align::Center);
    question.setTextShadow(true);
    const Box capsules[] = {px(24, 508, 480, 56), px(520, 508, 480, 56), px(24, 572, 480, 56), px(520, 572, 480, 56)};
    const char* pictures[] = {"ImgA", "ImgB", "ImgC", "ImgD"};
    const char* letters[] = {"lblA", "lblB", "lblC", "lblD"};
    for (int i = 0; i < 4; ++i) {
        design::image(f, pictures[i], capsules[i]);
        const Box& b = capsules[i];
        Control& letter = boardLabel(f, letters[i], {b.left + 50 * 15, b.top + 14 * 15, 30 * 15, 28 * 15},
                                     std::string(1, static_cast<char>('A' + i)) + ":");
        letter.setFontBold(true);
        letter.setTextShadow(true);
        boardLabel(f, "lblAnswer", {b.left + 82 * 15, b.top + 6 * 15, 360 * 15, 44 * 15}, "", i).setTextShadow(true);
    }
    Control& correct = boardLabel(f, "lblCorrect", px(0, 0, 30, 20), "");
    correct.setVisible(false);

    // Why the answer is right, shown after the verdict under the dialogs
    // that give it, over the open board.
    Control& explain = boardLabel(f, "lblExplain", px(140, 300, 620, 60), "");
    explain.setAlignment(Align::Center);
    explain.setTextShadow(true);
    explain.setForeColor(palette::kText);
    explain.setVisible(false);

    // The emblem.
    growingImage(f, "Image12");

    designPollPanel(f);
    designAdvicePanel(f);

    // Keys beside the mouse: the letters pick, L locks, W withdraws, 1 2 3
    // are the lifelines, K asks the host, S starts, Esc leaves the board.
    struct Key { const char* control; int index; const char* key; const char* tip; };
    const Key keys[] = {
        {"lblA", -1, "A", "Pick A (key A)"},          {"lblB", -1, "B", "Pick B (key B)"},
        {"lblC", -1, "C", "Pick C (key C)"},          {"lblD", -1, "D", "Pick D (key D)"},
        {"lblLock", -1, "L", "Lock the answer (key L)"}, {"lblWith", -1, "W", "Withdraw with the money won (key W)"},
        {"lblKya", -1, "K", "Ask the host (key K)"},  {"Image9", -1, "1", "Fifty-Fifty (key 1)"},
        {"Image10", -1, "2", "Phone-A-Friend (key 2)"}, {"Image11", -1, "3", "Audience Poll (key 3)"},
        {"lblStart", -1, "S", "Start a game (key S)"}, {"lblExit", -1, "Esc", "Leave the board (key Esc)"},
    };
    for (const Key& k : keys) {
        Control& c = f.ctl(k.control, k.index);
        c.setShortcut(k.key);
        c.setToolTipText(k.tip);
    }

    design::timer(f, "Timer1", 100, true);
    design::timer(f, "Timer2", 1000, false);
    design::timer(f, "Timer3", 1000, false);
    design::timer(f, "Timer4", 300, false);
    design::timer(f, "Timer5", 100, false);
}

}  // namespace zv
