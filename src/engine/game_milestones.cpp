// The "ZRV like" milestones: at seconds 1, 3, 6 and 10 after the lock the
// host speaks a remark or gives the verdict, later for higher questions.
// A right answer speaks through Message, a wrong one through Message2 and
// ends in Result.

#include "engine/game.h"

namespace zv {

namespace {
const char* kCorrect = "The answer is correct.";
const char* kIncorrect = " The answer is incorrect. You have won Rs. ";
}  // namespace

void Game::commentary(const char* dialog, const std::string& line, bool append)
{
    // Message and Message2 have no OK at design time: the player cannot
    // dismiss a remark.
    const std::string text = append ? caption(dialog, forms::kMessageText) + " " + line : line;
    say(dialog, forms::kMessageText, text);
}

void Game::rightVerdict(const std::string& text, bool append)
{
    announceVerdict(true, questionOnScreen());
    explainAnswer();
    const std::string said = append ? caption(forms::kMessage, forms::kMessageText) + text : text;
    say(forms::kMessage, forms::kMessageText, said);
    p_.app.unload(forms::kMessage2);
    Timer3.setEnabled(false);
    if (Form* message = p_.app.load(forms::kMessage)) message->ctl(forms::kDialogOk).setVisible(true);
    Timer4.setEnabled(true);
    p_.app.show(forms::kMessage);
}

void Game::wrongVerdict(const std::string& text)
{
    announceVerdict(false, questionOnScreen());
    explainAnswer();
    p_.app.unload(forms::kMessage2);
    say(forms::kResult, forms::kResultText, text + lblAs.caption() + "/-.");
    endGame(GameOutcome::Wrong, lblAs.caption());
    Timer3.setEnabled(false);
    incorrectAnswer();
    Timer4.setEnabled(true);
}

void Game::Right1()
{
    const int q = questionOnScreen();
    if (q >= 1 && q <= 4)
        rightVerdict(kCorrect, false);
    else if (q >= 5)
        commentary(forms::kMessage, Comment1, false);
}

void Game::Wrong1()
{
    const int q = questionOnScreen();
    if (q >= 1 && q <= 4)
        wrongVerdict(kIncorrect + 1);  // the first verdict has no leading blank
    else if (q >= 5)
        commentary(forms::kMessage2, Comment1, false);
}

void Game::Right3()
{
    const int q = questionOnScreen();
    if (q >= 5 && q <= 9)
        rightVerdict(std::string(" ") + kCorrect, true);
    else if (q >= 10)
        commentary(forms::kMessage, Comment2, true);
}

void Game::Wrong3()
{
    const int q = questionOnScreen();
    if (q >= 5 && q <= 9)
        wrongVerdict(kIncorrect);
    else if (q >= 10)
        commentary(forms::kMessage2, Comment2, true);
}

void Game::Right6()
{
    const int q = questionOnScreen();
    if (q >= 10 && q <= 14)
        rightVerdict(std::string(" ") + kCorrect, true);
    else if (q == 15)
        commentary(forms::kMessage, Comment3, true);
}

void Game::Wrong6()
{
    const int q = questionOnScreen();
    if (q >= 10 && q <= 14)
        wrongVerdict(kIncorrect);
    else if (q == 15)
        commentary(forms::kMessage2, Comment3, true);
}

void Game::Right10()
{
    if (questionOnScreen() != 15) return;
    // The top prize. Closing Message moves the board past question 15.
    setDialogText(forms::kResult, forms::kResultText, "Congratulations you have won Rs. 10000000/- (1 crore).");
    announceVerdict(true, 15);
    explainAnswer();
    p_.app.say(caption(forms::kResult, forms::kResultText));
    p_.app.unload(forms::kMessage2);
    p_.app.unload(forms::kMessage);
    p_.app.show(forms::kResult);
    endGame(GameOutcome::Won, std::to_string(ladder(kTopLevel).prize));
    lblExit.setEnabled(false);
    Timer3.setEnabled(false);
    Timer4.setEnabled(true);
    for (Control* c : {&lblTotal, &lblFor, &lblLock, &lblWith, &lblKya, &lblAs, &Label2, &Label3, &Label4, &Label5})
        c->setVisible(false);
}

void Game::Wrong10()
{
    if (questionOnScreen() == 15) wrongVerdict(kIncorrect);
}

void Game::incorrectAnswer()
{
    for (Control* c : {&Image9, &Image10, &Image11}) c->setEnabled(false);
    for (Control* c : {&lblTotal, &lblLock, &lblWith, &lblKya}) c->setVisible(false);
    CloseBoardAfterWrongAnswer();
}

}  // namespace zv
