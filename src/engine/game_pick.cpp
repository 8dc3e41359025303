// Picking an option: the letter is recorded and the option pictures are
// recoloured; nothing is judged until the lock.

#include "engine/game.h"

namespace zv {

void Game::Pick(const std::string& letter, bool startFlicker)
{
    m_.SelectedAnswer = letter;
    hideExplanation();
    // "ZRV like" marks a pick in orange, the other game types in yellow.
    Control& marked = m_.GameType == 2 ? ImgOrange : ImgYellow;
    for (int i = 0; i < 4; ++i) option(i).copyPicture(letter[0] == 'A' + i ? marked : ImgBlack);
    if (startFlicker) Timer5.setEnabled(true);
}

void Game::lblAnswer_Click(int index)
{
    // A click on an option's text starts the lock label's flicker only in
    // "ZRV like".
    static constexpr const char* letters[] = {"A", "B", "C", "D"};
    if (index < 0 || index > 3) return;
    Pick(letters[index], m_.GameType == 2);
}

void Game::Timer5_Timer()
{
    // The lock label invites the player to lock: a new colour every tick.
    lblLock.setForeColor(p_.app.randomColor());
}

void Game::ClearAnswerPictures()
{
    for (int i = 0; i < 4; ++i) option(i).copyPicture(ImgBlack);
}

void Game::ClearAnswer()
{
    ClearAnswerPictures();
    m_.SelectedAnswer = "E";
}

Control* Game::optionPicture(const std::string& letter) const
{
    if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'D') return nullptr;
    return &option(letter[0] - 'A');
}

}  // namespace zv
