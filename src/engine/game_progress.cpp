// The game's next step when one of the board's dialogs is answered. The
// dialogs only tell the board; what comes next (the next question, the
// board given back, a new game readied) is decided here.

#include "engine/game.h"

namespace zv {

void Game::stopLockFlicker()
{
    lblLock.setForeColor(palette::kWon);
    Timer5.setEnabled(false);
}

void Game::enableActions()
{
    for (Control* c : {&lblLock, &lblKya, &lblWith, &lblExit}) c->setEnabled(true);
}

void Game::verdictClosed()
{
    MakeOptionsUsable();
    enableActions();
    RestoreLifelines();
    if (m_.GameType != 2) return;
    // A right "ZRV like" verdict moves the game on when it is closed.
    Timer4.setEnabled(false);
    ClearAnswerPictures();
    if (m_.SelectedAnswer == m_.QuestionRec[kAnswer]) {
        q_Level();
        NextQuestion();
    }
    if (lblQNo.caption() != "16") ClearAnswer();
    Enable();
    resumeBed();
}

void Game::message3Answered()
{
    stopLockFlicker();
    if (m_.GameType == 1) {
        if (m_.Msg3Flag == 0) {
            // The Blinking reveal said "The answer is correct.": next question.
            NextQuestion();
            ClearAnswerPictures();
            enableActions();
            RestoreLifelines();
            for (Control* c : {&ImgA, &ImgB, &ImgC, &ImgD, lblAnswer[1], lblAnswer[2], lblAnswer[3], lblAnswer[0], &lblA,
                               &lblB, &lblC, &lblD})
                c->setEnabled(true);
            lblKya.setEnabled(m_.KyaAllowed);
        } else {
            // Advice, the friend's answer or the prompt: the board as it was.
            lblLock.setEnabled(true);
            if (m_.KyaAllowed) lblKya.setEnabled(true);
            lblWith.setEnabled(true);
            lblExit.setEnabled(true);
            RestoreLifelines();
            m_.Msg3Flag = 0;
        }
    }
    if (m_.GameType == 2 || m_.GameType == 3) {
        lblLock.setEnabled(true);
        lblKya.setEnabled(m_.KyaAllowed);
        lblWith.setEnabled(true);
        lblExit.setEnabled(true);
        RestoreLifelines();
    }
    if (m_.Msg3FromReveal == 1) {
        MakeOptionsUsable();
        m_.Msg3FromReveal = 0;
    }
    resumeBed();
}

void Game::resultAnswered()
{
    // Start begins the new game.
    m_.GameOver = false;
    stopLockFlicker();
    MakeOptionsUsable();
    enableActions();
    lblStart.setVisible(true);
    RestoreLifelines();
    if (m_.GameType == 2) Timer4.setEnabled(false);
}

}  // namespace zv
