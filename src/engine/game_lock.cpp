// Locking the picked option: the verdict at once (Fast), or a frozen board
// and a reveal timer (Blinking, "ZRV like").

#include <algorithm>

#include "engine/game.h"

namespace zv {

namespace {
bool isPick(const std::string& letter) { return letter == "A" || letter == "B" || letter == "C" || letter == "D"; }
}  // namespace

void Game::setDialogText(const char* dialog, const char* label, const std::string& text)
{
    if (Form* f = p_.app.load(dialog)) f->ctl(label).setCaption(text);
}

void Game::say(const char* dialog, const char* label, const std::string& text)
{
    // A remark that adds to the one on screen is spoken for what it adds.
    const std::string before = p_.app.find(dialog) ? caption(dialog, label) : std::string();
    const bool adds = !before.empty() && text.size() > before.size() && text.compare(0, before.size(), before) == 0;
    setDialogText(dialog, label, text);
    const std::string spoken = adds ? text.substr(before.size()) : text;
    p_.app.say(spoken.substr(std::min(spoken.size(), spoken.find_first_not_of(' '))));
    p_.app.show(dialog);
}

std::string Game::caption(const char* dialog, const char* label)
{
    const Form* f = p_.app.load(dialog);
    return f ? f->ctl(label).caption() : std::string();
}

int Game::questionOnScreen() const
{
    const std::string& q = lblQNo.caption();
    for (int level = 1; level <= 15; ++level)
        if (q == std::to_string(level)) return level;
    return 0;
}

void Game::lblLock_Click()
{
    const bool picked = isPick(m_.SelectedAnswer);
    const bool correct = m_.SelectedAnswer == m_.QuestionRec[kAnswer];
    switch (m_.GameType) {
    case 1:  // Blinking
        m_.BlinkCount = 0;
        m_.BlinkState = 0;
        if (m_.Level >= 16) return;
        if (!picked) {
            m_.Msg3Flag = 1;
            FreezeActions();
            say(forms::kMessage3, forms::kMessageText, "Please select an answer.");
            return;
        }
        kTimes = 3;
        m_.KyaAllowed = true;
        p_.record->answerLocked(m_.SelectedAnswer);
        announceLock();
        FreezeActions();
        DisableOtherOptions();
        m_.LockedCorrect = correct;
        Timer2.setEnabled(true);
        Frame1.setVisible(false);
        return;

    case 2:  // "ZRV like": the suspense starts even without a pick
        p_.record->answerLocked(picked ? m_.SelectedAnswer : std::string());
        m_.SuspenseTicks = 0;
        Timer3.setEnabled(true);
        Generate();
        if (picked) {
            announceLock();
            kTimes = 3;
            m_.KyaAllowed = true;
            Frame1.setVisible(false);
            DisableOtherOptions();
            FreezeActions();
        }
        return;

    case 3:  // Fast
        MakeOptionsUsable();
        m_.BlinkCount = 0;
        m_.BlinkState = 0;
        if (m_.Level >= 16) return;
        if (!picked) {
            say(forms::kMessage3, forms::kMessageText, "Please select an answer.");
            FreezeActions();
            return;
        }
        kTimes = 3;
        m_.KyaAllowed = true;
        p_.record->answerLocked(m_.SelectedAnswer);
        FreezeActions();
        announceVerdict(correct, m_.Level);
        explainAnswer();
        if (!correct) {
            say(forms::kResult, forms::kResultText, "Incorrect answer. You have won Rs. " + lblAs.caption() + "/-");
            lblExit.setEnabled(false);
            endGame(GameOutcome::Wrong, lblAs.caption());
            ClearAnswerPictures();
            if (Control* right = optionPicture(lblCorrect.caption())) right->copyPicture(ImgGreen);
            CloseBoardAfterWrongAnswer();
        } else {
            if (m_.Level == 15) {
                setDialogText(forms::kResult, forms::kResultText, "Congratulations, you have won 1 Crore Rupees.");
                p_.app.say(caption(forms::kResult, forms::kResultText));
                endGame(GameOutcome::Won, std::to_string(ladder(kTopLevel).prize));
                lblExit.setEnabled(false);
                p_.app.show(forms::kResult);
                for (Control* c : {&lblFor, &lblLock, &lblWith, &lblAs, &lblKya, &lblTotal, &lblQNo, &Label2, &Label3,
                                   &Label4, &Label5})
                    c->setVisible(false);
            } else {
                say(forms::kMessage3, forms::kMessageText, "The answer is correct.");
            }
            ClearAnswerPictures();
            m_.SelectedAnswer = "E";
            q_Level();
            NextQuestion();
        }
        Frame1.setVisible(false);
        return;

    default: return;
    }
}

void Game::FreezeActions()
{
    for (Control* c : {&lblLock, &lblKya, &lblWith, &lblExit}) c->setEnabled(false);
    m_.Was5050Enabled = Image9.enabled();
    m_.WasPhoneEnabled = Image10.enabled();
    m_.WasAudienceEnabled = Image11.enabled();
    for (Control* c : {&Image9, &Image10, &Image11}) c->setEnabled(false);
}

void Game::DisableOtherOptions()
{
    for (int i = 0; i < 4; ++i) {
        if (m_.SelectedAnswer == std::string(1, static_cast<char>('A' + i))) continue;
        option(i).setEnabled(false);
        lblAnswer[static_cast<std::size_t>(i)]->setEnabled(false);
        optionLetter(i).setEnabled(false);
    }
}

void Game::CloseBoardAfterWrongAnswer()
{
    ColourLadderAfterWrongAnswer();
    for (Control* c : {&lblQNo, &lblAs, &lblFor, &lblLock, &lblWith, &lblKya, &Label2, &Label3, &Label4, &Label5,
                       &lblTotal})
        c->setVisible(false);
}

void Game::ColourLadderAfterWrongAnswer()
{
    for (Control* row : Label1) row->setForeColor(palette::kOrange);
    // The guarantee the player keeps stays lit; the failed row is marked.
    const int q = static_cast<int>(numberValue(lblQNo.caption()).value_or(0));
    if (q > 10)
        Label1[9]->setForeColor(palette::kWhite);
    else if (q > 5)
        Label1[4]->setForeColor(palette::kWhite);
    if (q >= 1 && q <= 15) Label1[static_cast<std::size_t>(q - 1)]->setForeColor(palette::kFailed);
}

}  // namespace zv
