// What the board sounds like: a bed of music under each question, rising
// with the question's band, a sting for each moment of the game, and the
// host's voice reading the question and his remarks. The board only names
// them (App::effect, music, say); the front end plays them. Nothing here
// changes the game: no timer, no random number, no form.

#include "engine/game.h"

namespace zv {

namespace {
const char* bedFor(int level)
{
    if (level <= 5) return sound::kBedLow;
    if (level <= 10) return sound::kBedMiddle;
    return sound::kBedHigh;
}
}  // namespace

void Game::announceQuestion()
{
    if (m_.Level < 1 || m_.Level > 15) return;
    p_.app.music(bedFor(m_.Level));
    std::string line = "Question " + std::to_string(m_.Level) + ". " + lblQuestion.caption();
    for (std::size_t i = 0; i < 4; ++i)
        line += std::string(" ") + static_cast<char>('A' + i) + ": " + lblAnswer[i]->caption() + ".";
    // Drawn while the verdict of the last one is still up (the Fast game):
    // read once the verdict is put away, so that neither cuts the other.
    questionToRead_ = line;
    if (!m_.MsgOpen && !m_.Msg2Open && !m_.Msg3Open) readQuestion();
}

void Game::readQuestion()
{
    if (questionToRead_.empty()) return;
    p_.app.say(questionToRead_);
    questionToRead_.clear();
}

void Game::announceLock()
{
    p_.app.effect(sound::kLock);
    // The Blinking and "ZRV like" reveals take their time: suspense under it.
    if (m_.GameType == 1 || m_.GameType == 2) p_.app.music(sound::kSuspense);
}

void Game::announceVerdict(bool right, int level)
{
    p_.app.music("");
    if (!right)
        p_.app.effect(sound::kWrong);
    else if (level >= 15)
        p_.app.effect(sound::kWin);
    else if (level == 5 || level == 10)
        p_.app.effect(sound::kMilestone);
    else
        p_.app.effect(sound::kRight);
}

void Game::resumeBed()
{
    if (m_.GameOver || lblStart.visible()) return;
    p_.app.music(bedFor(m_.Level));
    readQuestion();
}

}  // namespace zv
