// The board's controls, variables and event wiring, and the small routines
// that several steps of a game share.

#include "engine/game.h"

namespace zv {

namespace {
// The board's design runs before its controls are bound to names.
Form& designed(Form& f, Game::Design design)
{
    design(f);
    return f;
}
}  // namespace

Game::Game(Program& program, Design design)
    : Form(program.app, kName),
      lblStart(designed(*this, design).ctl("lblStart")),
      lblQuestion(ctl("lblQuestion")),
      lblAnswer{&ctl("lblAnswer", 0), &ctl("lblAnswer", 1), &ctl("lblAnswer", 2), &ctl("lblAnswer", 3)},
      lblA(ctl("lblA")), lblB(ctl("lblB")), lblC(ctl("lblC")), lblD(ctl("lblD")),
      ImgA(ctl("ImgA")), ImgB(ctl("ImgB")), ImgC(ctl("ImgC")), ImgD(ctl("ImgD")),
      ImgBlack(ctl("ImgBlack")), ImgYellow(ctl("ImgYellow")), ImgOrange(ctl("ImgOrange")), ImgGreen(ctl("ImgGreen")),
      lblCorrect(ctl("lblCorrect")),
      lblQNo(ctl("lblQNo")), lblTotal(ctl("lblTotal")), lblAs(ctl("lblAs")), lblFor(ctl("lblFor")),
      Label1{},
      Label2(ctl("Label2")), Label3(ctl("Label3")), Label4(ctl("Label4")), Label5(ctl("Label5")),
      lblLock(ctl("lblLock")), lblWith(ctl("lblWith")), lblKya(ctl("lblKya")), lblExit(ctl("lblExit")),
      Image1(ctl("Image1")), Image2(ctl("Image2")), Image3(ctl("Image3")), Image4(ctl("Image4")),
      Image7(ctl("Image7")), Image8(ctl("Image8")),
      Image9(ctl("Image9")), Image10(ctl("Image10")), Image11(ctl("Image11")), Image12(ctl("Image12")),
      Frame1(ctl("Frame1")), Frame2(ctl("Frame2")),
      Option1(ctl("Option1")),
      Timer1(ctl("Timer1")), Timer2(ctl("Timer2")), Timer3(ctl("Timer3")), Timer4(ctl("Timer4")),
      Timer5(ctl("Timer5")),
      p_(program), m_(program.m)
{
    for (int i = 0; i < 15; ++i) Label1[static_cast<std::size_t>(i)] = &ctl("Label1", i);

    vars_.add("Max1", Max1);
    vars_.add("Max2", Max2);
    vars_.add("Max1Chr", Max1Chr);
    vars_.add("Max2Chr", Max2Chr);
    vars_.add("adI", adI);
    vars_.add("adA", adA);
    vars_.add("adB", adB);
    vars_.add("adC", adC);
    vars_.add("add", add);
    vars_.add("adVar", adVar);
    vars_.add("adIncr", adIncr);
    vars_.add("adLevel", adLevel);
    vars_.add("k5050", k5050);
    vars_.add("kPhone", kPhone);
    vars_.add("kAudience", kAudience);
    vars_.add("kLevel", kLevel);
    vars_.add("kRight", kRight);
    vars_.add("kSelected", kSelected);
    vars_.add("kTimes", kTimes);
    vars_.add("flip2", flip2);
    vars_.add("ll", ll);
    vars_.add("MissingLevels", MissingLevels);
    vars_.add("QCount", QCount);
    vars_.add("LevelsPresent", LevelsPresent);
    vars_.add("CheckLevel", CheckLevel);
    vars_.add("PickNo", PickNo);
    vars_.add("RecLine", RecLine);
    vars_.add("FieldNo", FieldNo);
    vars_.add("Comment1", Comment1);
    vars_.add("Comment2", Comment2);
    vars_.add("Comment3", Comment3);
    vars_.add("CommentPick", CommentPick);

    onClick("lblStart", [this](int) { lblStart_Click(); });
    onClick("ImgA", [this](int) { ImgA_Click(); });
    onClick("ImgB", [this](int) { ImgB_Click(); });
    onClick("ImgC", [this](int) { ImgC_Click(); });
    onClick("ImgD", [this](int) { ImgD_Click(); });
    onClick("lblA", [this](int) { lblA_Click(); });
    onClick("lblB", [this](int) { lblB_Click(); });
    onClick("lblC", [this](int) { lblC_Click(); });
    onClick("lblD", [this](int) { lblD_Click(); });
    onClick("lblAnswer", [this](int i) { lblAnswer_Click(i); });
    onClick("lblLock", [this](int) { lblLock_Click(); });
    onClick("lblWith", [this](int) { lblWith_Click(); });
    onClick("Image9", [this](int) { Image9_Click(); });
    onClick("Image10", [this](int) { Image10_Click(); });
    onClick("Image11", [this](int) { Image11_Click(); });
    onClick("lblKya", [this](int) { lblKya_Click(); });
    onClick("Command1", [this](int) { Command1_Click(); });
    onClick("lblExit", [this](int) { lblExit_Click(); });
    onTimer("Timer1", [this] { Timer1_Timer(); });
    onTimer("Timer2", [this] { Timer2_Timer(); });
    onTimer("Timer3", [this] { Timer3_Timer(); });
    onTimer("Timer4", [this] { Timer4_Timer(); });
    onTimer("Timer5", [this] { Timer5_Timer(); });
    wireHighlighting();
}

Control& Game::option(int i) const
{
    static constexpr const char* names[] = {"ImgA", "ImgB", "ImgC", "ImgD"};
    return ctl(names[i]);
}

Control& Game::optionLetter(int i) const
{
    static constexpr const char* names[] = {"lblA", "lblB", "lblC", "lblD"};
    return ctl(names[i]);
}

void Game::q_Level()
{
    SetPrizeLabels();
    MoveLadderHighlight();
}

void Game::SetPrizeLabels()
{
    const std::string& won = lblQNo.caption();
    for (int level = 1; level <= kTopLevel; ++level) {
        if (won != std::to_string(level)) continue;
        const LadderStep& step = ladder(level);
        lblTotal.setCaption(std::to_string(step.prize));
        lblAs.setCaption(std::to_string(step.assured));
        lblFor.setCaption(" Rs. " + std::to_string(step.next) + "/-");
        if (level == kTopLevel) {
            // The top prize is won: the board keeps only the ladder.
            for (Control* c : {&lblTotal, &lblFor, &lblLock, &lblWith, &lblKya, &lblAs, &lblQNo, &Label2, &Label3,
                               &Label4, &Label5})
                c->setVisible(false);
        }
        break;
    }
}

void Game::MoveLadderHighlight()
{
    const int level = m_.Level;
    if (level >= 1 && level <= 15) {
        Label1[static_cast<std::size_t>(level - 1)]->setForeColor(level == 15 ? palette::kWhite : palette::kWon);
        if (level != 15) Label1[static_cast<std::size_t>(level)]->setForeColor(palette::kWhite);
    }
}

void Game::MakeOptionsUsable()
{
    for (int i = 0; i < 4; ++i) {
        lblAnswer[static_cast<std::size_t>(i)]->setVisible(true);
        option(i).setEnabled(true);
        optionLetter(i).setVisible(true);
    }
}

void Game::RestoreLifelines()
{
    if (m_.Was5050Enabled) Image9.setEnabled(true);
    if (m_.WasPhoneEnabled) Image10.setEnabled(true);
    if (m_.WasAudienceEnabled) Image11.setEnabled(true);
}

}  // namespace zv
