// The reveal of a locked answer: the Blinking reveal on Timer2, the
// "ZRV like" suspense on Timer3, and the flash of the correct option on
// Timer4 after a "ZRV like" verdict.

#include "engine/game.h"

namespace zv {

void Game::Timer2_Timer()
{
    const int c = ++m_.BlinkCount;
    Control* picked = optionPicture(m_.SelectedAnswer);
    const bool correct = m_.SelectedAnswer == m_.QuestionRec[kAnswer];
    // Yellow and black in turn; at the fourth second green, or orange beside
    // the correct option in green.
    if (m_.BlinkState == 1) {
        if (picked) picked->copyPicture(c < 4 ? ImgYellow : (correct ? ImgGreen : ImgOrange));
        if (!correct && c >= 4)
            if (Control* right = optionPicture(m_.QuestionRec[kAnswer])) {
                right->setEnabled(true);
                right->copyPicture(ImgGreen);
            }
    } else if (picked) {
        picked->copyPicture(ImgBlack);
    }
    m_.BlinkState = 1 - m_.BlinkState;
    if (c < 4) return;
    announceVerdict(m_.LockedCorrect, m_.Level);
    explainAnswer();

    if (!m_.LockedCorrect) {
        for (Control* l : {&lblTotal, &lblFor, &lblLock, &lblWith, &lblKya}) l->setVisible(false);
        ColourLadderAfterWrongAnswer();
        say(forms::kResult, forms::kResultText, "The answer is Incorrect. You have won Rs. " + lblAs.caption() + "/-");
        endGame(GameOutcome::Wrong, lblAs.caption());
        for (Control* l : {&lblAs, &lblQNo, &Label2, &Label3, &Label4, &Label5}) l->setVisible(false);
        if (Control* right = optionPicture(lblCorrect.caption())) right->copyPicture(ImgGreen);
    } else {
        // The next question comes with the OK of Message3.
        m_.Msg3FromReveal = 1;
        if (m_.Level < 15) say(forms::kMessage3, forms::kMessageText, "The answer is correct.");
        SetPrizeLabels();
        lblQNo.setCaption(std::to_string(m_.Level + 1));
        if (m_.Level >= 15) {
            say(forms::kResult, forms::kResultText, "Congratulations!!! You have won 1 CRORE rupees");
            lblExit.setEnabled(false);
            Timer2.setEnabled(false);
            endGame(GameOutcome::Won, std::to_string(ladder(kTopLevel).prize));
            for (Control* l : {&lblFor, &lblLock, &lblWith, &lblAs, &lblKya, &lblTotal, &lblQNo, &Label2, &Label3,
                               &Label4, &Label5})
                l->setVisible(false);
        } else {
            MoveLadderHighlight();
        }
    }
    m_.SelectedAnswer = "E";
    Timer2.setEnabled(false);
}

void Game::Timer3_Timer()
{
    const std::string& pick = m_.SelectedAnswer;
    if (pick != "A" && pick != "B" && pick != "C" && pick != "D") {
        // Locked without a pick: the prompt, one second after the lock.
        FreezeActions();
        say(forms::kMessage3, forms::kMessageText, "Please select an answer.");
        Timer3.setEnabled(false);
        return;
    }
    const int t = ++m_.SuspenseTicks;
    if (m_.Level >= 16) return;
    const bool correct = pick == m_.QuestionRec[kAnswer];
    switch (t) {
    case 1: correct ? Right1() : Wrong1(); break;
    case 3: correct ? Right3() : Wrong3(); break;
    case 6: correct ? Right6() : Wrong6(); break;
    case 10: correct ? Right10() : Wrong10(); break;
    default: break;
    }
}

void Game::Timer4_Timer()
{
    // A right pick flashes green and orange, the correct option after a
    // wrong pick green and black.
    if (Control* right = optionPicture(lblCorrect.caption())) {
        if (lblCorrect.caption() != m_.SelectedAnswer)
            right->copyPicture(flip2 != 0 ? ImgBlack : ImgGreen);
        else
            right->copyPicture(flip2 != 0 ? ImgOrange : ImgGreen);
    }
    flip2 = 1 - flip2;
}

}  // namespace zv
