// The board's life under the pointer: a label under it flickers in random
// colours, the lifelines and the emblem grow a little, and Timer1 keeps the
// open dialogs in front of the board.

#include <cmath>

#include "engine/game.h"

namespace zv {

namespace {
const Color kRest = RGB(255, 110, 0);

struct Geometry {
    int left, top, width, height;
};
// Resting and enlarged geometry of the lifelines and the emblem, as designed
// for 15360 x 11520 twips; the enlarged image keeps its centre.
struct Growing {
    const char* name;
    Geometry rest, grown;
};
constexpr Growing kGrowing[] = {
    {"Image12", {6980, 9720, 1455, 1215}, {6880, 9620, 1655, 1415}},
    {"Image9", {11520, 720, 1305, 675}, {11470, 670, 1405, 775}},
    {"Image10", {12720, 120, 1305, 675}, {12670, 70, 1405, 775}},
    {"Image11", {13800, 720, 1305, 675}, {13750, 670, 1405, 775}},
};
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
    for (const Growing& g : kGrowing) {
        onMouseMove(g.name, [this, g, rw, rh](int) {
            Control& image = ctl(g.name);
            image.setWidth(static_cast<int>(std::floor(g.grown.width * rw)));
            image.setHeight(static_cast<int>(std::floor(g.grown.height * rh)));
            image.setLeft(static_cast<int>(std::floor(g.grown.left * rw)));
            image.setTop(static_cast<int>(std::floor(g.grown.top * rh)));
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
    for (const Growing& g : kGrowing) {
        Control& image = ctl(g.name);
        const int restWidth = static_cast<int>(std::floor(g.rest.width * rw));
        if (image.width() == restWidth) continue;
        image.setWidth(restWidth);
        image.setHeight(static_cast<int>(std::floor(g.rest.height * rh)));
        image.setLeft(static_cast<int>(std::floor(g.rest.left * rw)));
        image.setTop(static_cast<int>(std::floor(g.rest.top * rh)));
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
            text.setForeColor(kRest);
            letter.setForeColor(kRest);
        }
    }
    const std::pair<Control*, bool> actions[] = {
        {&lblLock, m_.HoverLock}, {&lblWith, m_.HoverWithdraw}, {&lblKya, m_.HoverKya}, {&lblExit, m_.HoverExit}};
    for (auto [label, hover] : actions) label->setForeColor(hover ? randomColour() : kRest);
    lblStart.setForeColor(m_.HoverStart ? randomColour() : kRest);

    // Open dialogs stay in front of the board.
    if ((m_.GameType == 2 || m_.GameType == 3) && m_.MsgOpen) p_.app.show(forms::kMessage);
    if (m_.Msg3Open) p_.app.show(forms::kMessage3);
    if (m_.Msg2Open) p_.app.show(forms::kMessage2);
    if (m_.ExitOpen) p_.app.show(forms::kExit);
}

}  // namespace zv
