// The board's life under the pointer: a label under it flickers in random
// colours, the lifelines and the emblem grow a little, and Timer1 keeps the
// open dialogs in front of the board.

#include <cmath>

#include "engine/board_layout.h"
#include "engine/game.h"

namespace zv {

namespace {
// One edge of a growing image at the screen's scale.
int at(int twips, double ratio) { return static_cast<int>(std::floor(twips * ratio)); }
}  // namespace

void Game::wireHighlighting()
{
    auto option = [this](bool Module1::*flag) {
        return [this, flag](int) {
            m_.HoverA = m_.HoverB = m_.HoverC = m_.HoverD = false;
            m_.*flag = true;
        };
    };
    onMouseMove("ImgA", option(&Module1::HoverA));
    onMouseMove("lblA", option(&Module1::HoverA));
    onMouseMove("ImgB", option(&Module1::HoverB));
    onMouseMove("lblB", option(&Module1::HoverB));
    onMouseMove("ImgC", option(&Module1::HoverC));
    onMouseMove("lblC", option(&Module1::HoverC));
    onMouseMove("ImgD", option(&Module1::HoverD));
    onMouseMove("lblD", option(&Module1::HoverD));
    onMouseMove("lblAnswer", [this](int index) {
        static constexpr bool Module1::*flags[] = {&Module1::HoverA, &Module1::HoverB, &Module1::HoverC};
        m_.HoverA = m_.HoverB = m_.HoverC = m_.HoverD = false;
        m_.*(index >= 0 && index <= 2 ? flags[index] : &Module1::HoverD) = true;
    });
    auto noOption = [this](int) { m_.HoverA = m_.HoverB = m_.HoverC = m_.HoverD = false; };
    onMouseMove("Image5", noOption);
    onMouseMove("lblQuestion", noOption);
    // Moving from one action label straight onto another leaves both lit.
    onMouseMove("lblLock", [this](int) { m_.HoverLock = true; });
    onMouseMove("lblWith", [this](int) { m_.HoverWithdraw = true; });
    onMouseMove("lblKya", [this](int) { m_.HoverKya = true; });
    onMouseMove("lblExit", [this](int) { m_.HoverExit = true; });
    onMouseMove("lblStart", [this](int) { m_.HoverStart = true; });

    const double rw = p_.app.screenWidth() / static_cast<double>(kDesignScreenWidth);
    const double rh = p_.app.screenHeight() / static_cast<double>(kDesignScreenHeight);
    for (const board::GrowingImage& g : board::kGrowingImages) {
        // The grown image keeps its centre.
        onMouseMove(g.name, [this, g, rw, rh](int) {
            Control& image = ctl(g.name);
            image.setWidth(at(g.width + 2 * g.grow, rw));
            image.setHeight(at(g.height + 2 * g.grow, rh));
            image.setLeft(at(g.left - g.grow, rw));
            image.setTop(at(g.top - g.grow, rh));
        });
    }
    onClick("Image12", [this](int) { Image12_Click(); });
}

void Game::Form_MouseMove()
{
    m_.HoverA = m_.HoverB = m_.HoverC = m_.HoverD = false;
    m_.HoverLock = m_.HoverWithdraw = m_.HoverKya = m_.HoverExit = m_.HoverStart = false;
    const double rw = p_.app.screenWidth() / static_cast<double>(kDesignScreenWidth);
    const double rh = p_.app.screenHeight() / static_cast<double>(kDesignScreenHeight);
    for (const board::GrowingImage& g : board::kGrowingImages) {
        Control& image = ctl(g.name);
        if (image.width() == at(g.width, rw)) continue;
        image.setWidth(at(g.width, rw));
        image.setHeight(at(g.height, rh));
        image.setLeft(at(g.left, rw));
        image.setTop(at(g.top, rh));
    }
}

void Game::Image12_Click()
{
    if (p_.app.isRegistered(forms::kAbout)) p_.app.show(forms::kAbout);
}

void Game::Timer1_Timer()
{
    if (m_.GameOver) p_.app.show(forms::kResult);

    auto randomColour = [this] { return p_.app.randomColor(); };
    const bool optionHover[] = {m_.HoverA, m_.HoverB, m_.HoverC, m_.HoverD};
    for (int i = 0; i < 4; ++i) {
        Control& text = *lblAnswer[static_cast<std::size_t>(i)];
        Control& letter = optionLetter(i);
        if (optionHover[i]) {
            text.setForeColor(randomColour());
            letter.setForeColor(randomColour());
        } else {
            text.setForeColor(palette::kOrange);
            letter.setForeColor(palette::kOrange);
        }
    }
    const std::pair<Control*, bool> actions[] = {
        {&lblLock, m_.HoverLock}, {&lblWith, m_.HoverWithdraw}, {&lblKya, m_.HoverKya}, {&lblExit, m_.HoverExit}};
    for (auto [label, hover] : actions) label->setForeColor(hover ? randomColour() : palette::kOrange);
    lblStart.setForeColor(m_.HoverStart ? randomColour() : palette::kOrange);

    // Open dialogs stay in front of the board.
    if ((m_.GameType == 2 || m_.GameType == 3) && m_.MsgOpen) p_.app.show(forms::kMessage);
    if (m_.Msg3Open) p_.app.show(forms::kMessage3);
    if (m_.Msg2Open) p_.app.show(forms::kMessage2);
    if (m_.ExitOpen) p_.app.show(forms::kExit);
}

}  // namespace zv
