// Leaving a game: withdrawing with the money won so far, the Exit label
// with its confirmation, and the board's own close.

#include "engine/game.h"

namespace zv {

void Game::lblWith_Click()
{
    for (Control* c : {&lblFor, &lblLock, &lblWith, &lblKya}) c->setVisible(false);
    for (Control* c : {&Image9, &Image10, &Image11}) c->setEnabled(false);
    for (Control* c : {&Label2, &Label3, &Label4, &Label5}) c->setVisible(false);
    lblExit.setEnabled(false);

    const std::string& correct = lblCorrect.caption();
    for (int i = 0; i < 4; ++i)
        if (correct == std::string(1, static_cast<char>('A' + i))) {
            option(i).copyPicture(ImgGreen);
            break;
        }

    endGame(GameOutcome::Withdrew, lblTotal.caption());
    Frame1.setVisible(false);

    // The player takes home the prize of the last question won.
    for (Control* row : Label1) row->setForeColor(palette::kWon);
    const int q = static_cast<int>(numberValue(lblQNo.caption()).value_or(0));
    if (q >= 2 && q <= 16) Label1[static_cast<std::size_t>(q - 2)]->setForeColor(palette::kWhite);

    setDialogText(forms::kResult, forms::kResultText, "You have won Rs. " + lblTotal.caption() + "/-");
    p_.app.music("");
    p_.app.effect(sound::kWithdraw);
    p_.app.say(caption(forms::kResult, forms::kResultText));
    lblTotal.setCaption("");
    lblAs.setCaption("");
    lblQNo.setCaption("");
    p_.app.show(forms::kResult);
}

void Game::lblExit_Click()
{
    // The game stays as it is behind the confirmation.
    p_.app.show(forms::kExit);
}

void Game::endGame(GameOutcome outcome, const std::string& amount)
{
    m_.GameOver = true;
    const auto rupees = numberValue(amount);
    p_.record->gameEnded(outcome, rupees ? static_cast<long long>(*rupees) : 0);
}

void Game::Form_Unload()
{
    p_.record->boardClosed();
    // Back in the menu, its theme again.
    p_.app.music(sound::kMenuTheme);
    for (const char* dialog : {forms::kMessage, forms::kMessage2, forms::kMessage3, forms::kResult, forms::kAbout})
        p_.app.unload(dialog);
}

}  // namespace zv
