// The three lifelines and the host's advice, all built on one simulated
// audience poll. Each lifeline works once a game: a spent one is disabled and
// shows the picture of a spent lifeline.

#include <cmath>

#include "engine/game.h"
#include "toolkit/values.h"

namespace zv {

namespace {
int draw(App& app, int n) { return static_cast<int>(std::floor(n * app.rnd())); }
}  // namespace

int Game::correctIndex() const
{
    const std::string& c = lblCorrect.caption();
    for (int i = 0; i < 4; ++i)
        if (c == std::string(1, static_cast<char>('A' + i))) return i;
    return -1;
}

// ---------------------------------------------------------------- Fifty-Fifty

void Game::Image9_Click()
{
    p_.app.effect(sound::kFiftyFifty);
    p_.record->lifelineUsed("fifty");
    Image9.copyPicture(Image4);
    Image9.setEnabled(false);
    // The correct option stays with one wrong option, each wrong one as
    // likely as the others. A correct letter outside A to D keeps only A.
    int c = correctIndex();
    int w = 0;
    if (c < 0) {
        c = 0;
    } else if (c == 0) {
        w = draw(p_.app, 3) + 1;
    } else if (c == 3) {
        w = draw(p_.app, 3);
    } else {
        do w = draw(p_.app, 4);
        while (w == c);
    }
    for (int i = 0; i < 4; ++i) lblAnswer[static_cast<std::size_t>(i)]->setVisible(false);
    for (int i = 0; i < 4; ++i) option(i).setEnabled(false);
    for (int i = 0; i < 4; ++i) optionLetter(i).setVisible(false);
    lblAnswer[static_cast<std::size_t>(c)]->setVisible(true);
    lblAnswer[static_cast<std::size_t>(w)]->setVisible(true);
    for (int i : {c, w}) {
        optionLetter(i).setVisible(true);
        option(i).setEnabled(true);
    }
    // Closing a dialog must not hand the spent lifeline back.
    m_.Was5050Enabled = false;
}

// ---------------------------------------------------------------- the poll

void Game::Aud_Poll()
{
    double* votes[] = {&adA, &adB, &adC, &add};
    adA = adB = adC = add = 0;
    for (adI = 1; adI <= 100; ++adI) {
        adVar = draw(p_.app, 4) + 1;
        *votes[static_cast<int>(adVar) - 1] += 1;
    }
    adLevel = m_.Level;
    // The audience leans towards the correct answer, less so higher up.
    const int x = correctIndex();
    if (x >= 0) {
        adIncr = std::floor(p_.app.rnd() * (25 - adLevel)) * 4;
        const double k = adIncr / 4;
        *votes[x] += adIncr - adIncr / 4;
        for (int i = 0; i < 4; ++i)
            if (i != x) *votes[i] -= k;
        for (int i = 0; i < 4; ++i)
            if (i != x && *votes[i] < 0) {
                *votes[x] += *votes[i];
                *votes[i] = 0;
            }
    }
    // After Fifty-Fifty the removed options' votes go to the offered ones.
    struct Pair { int a, b, toA, toB; };
    constexpr Pair pairs[] = {{0, 1, 2, 3}, {0, 2, 1, 3}, {0, 3, 1, 2}, {1, 2, 0, 3}, {1, 3, 0, 2}, {2, 3, 0, 1}};
    for (const Pair& pr : pairs) {
        if (option(pr.a).enabled() || option(pr.b).enabled()) continue;
        *votes[pr.toA] += *votes[pr.a];
        *votes[pr.toB] += *votes[pr.b];
        *votes[pr.a] = 0;
        *votes[pr.b] = 0;
    }
    Max1Max2();
}

void Game::Max1Max2()
{
    const double votes[] = {adA, adB, adC, add};
    static constexpr const char* letters[] = {"A", "B", "C", "D"};
    // Ties go to the earlier letter.
    int first = 0;
    for (int i = 1; i < 4; ++i)
        if (votes[i] > votes[first]) first = i;
    Max1 = votes[first];
    Max1Chr = letters[first];
    // The runner-up is challenged in this order; with D the favourite, C
    // comes before B.
    static constexpr int order[4][3] = {{1, 2, 3}, {0, 2, 3}, {0, 1, 3}, {0, 2, 1}};
    int second = order[first][0];
    for (int j = 1; j < 3; ++j)
        if (votes[order[first][j]] > votes[second]) second = order[first][j];
    Max2 = static_cast<int>(votes[second]);
    Max2Chr = letters[second];
}

// ---------------------------------------------------------------- Audience Poll

void Game::Image11_Click()
{
    p_.app.effect(sound::kAudiencePoll);
    p_.record->lifelineUsed("poll");
    Image11.copyPicture(Image8);
    Image11.setEnabled(false);
    m_.WasAudienceEnabled = false;
    Aud_Poll();
    const double votes[] = {adA, adB, adC, add};
    for (int i = 0; i < 4; ++i) {
        // Bars grow upwards from fixed bottoms, 10 twips a vote.
        const int height = static_cast<int>(10 * votes[i]);
        Control& shadow = ctl("Shape" + std::to_string(i + 1));
        Control& bar = ctl("Shape" + std::to_string(i + 5));
        shadow.setHeight(height);
        bar.setHeight(height);
        shadow.setTop(1460 - height);
        bar.setTop(1500 - height);
        ctl("Label" + std::to_string(i + 10)).setCaption(formatNumber(votes[i]));
    }
    Frame1.setVisible(true);
    Image11.setEnabled(false);
}

// ---------------------------------------------------------------- Phone-A-Friend

void Game::Image10_Click()
{
    // The phone rings, and the clock ticks under the call until the
    // friend's answer is put away.
    p_.app.effect(sound::kPhoneRing);
    p_.record->lifelineUsed("phone");
    p_.app.music(sound::kPhoneClock);
    Image10.copyPicture(Image7);
    Image10.setEnabled(false);
    m_.WasPhoneEnabled = false;
    // The friend repeats the favourite of a fresh poll, as sure as its lead.
    Aud_Poll();
    m_.Msg3Flag = 1;
    const bool halved = !ImgA.enabled() || !ImgB.enabled() || !ImgC.enabled() || !ImgD.enabled();
    std::string sentence;
    if (Max1 > 70)
        sentence = "I am sure the answer is " + Max1Chr;
    else if (Max1 > 50)
        sentence = "I think the answer is " + Max1Chr;
    else if (halved)
        sentence = "I think it is " + Max1Chr;
    else if (Max1 - Max2 < 10)
        sentence = "I think it is either " + Max1Chr + " or " + Max2Chr;
    else
        sentence = "I guess it is " + Max1Chr;
    say(forms::kMessage3, forms::kMessageText, sentence);
    Image10.setEnabled(false);
}

// ---------------------------------------------------------------- Kya Lagta Hai

void Game::lblKya_Click() { Frame2.setVisible(true); }

void Game::Command1_Click()
{
    p_.app.effect(sound::kAdvice);
    p_.record->lifelineUsed("advice");
    m_.Msg3Flag = 1;
    if (--kTimes == 0) {
        // The third advice of the question is given; there is no fourth.
        kTimes = 3;
        lblKya.setEnabled(false);
        m_.KyaAllowed = false;
    }
    Aud_Poll();
    kLevel = m_.Level;
    k5050 = Image9.enabled();
    kPhone = Image10.enabled();
    kAudience = Image11.enabled();
    kRight = lblCorrect.caption();
    static constexpr const char* letters[] = {"A", "B", "C", "D"};
    for (int i = 0; i < 4; ++i)
        if (ctl("Option" + std::to_string(i + 1)).value()) kSelected = letters[i];
    const std::string said = advice();
    if (!said.empty()) say(forms::kMessage3, forms::kMessageText, said);
    Frame2.setVisible(false);
}

std::string Game::advice()
{
    if (kLevel > 15) return {};
    const std::string lock = "Lock Kar diya jai.";
    const std::string useLifelines = "Please use your lifeline(s).";
    const std::string withdraw = "You don't have any lifeline left, I will suggest that you please withdraw.";
    const std::string leastRiskLock = "You are at least risk, lock Kar diya jai.";
    const std::string leastRiskLifelines =
        "Though you are at least risk, I will still suggest that please use your lifeline(s).";
    const std::string whatNow = "You don't have any lifeline left, what do you want to do?";

    struct Row {
        int n;
        bool lockTest;
        std::string lockMessage, lifelineMessage, noLifelineMessage;
    };
    Row row;
    if (kLevel < 5) {
        // Low down the host knows the answer.
        row = {10, kSelected == kRight, lock, useLifelines,
               kLevel <= 1 ? "You don't have any lifeline left, I will suggest that you make a guess at this level."
                           : withdraw};
    } else if (kLevel == 5) {
        row = {6, kSelected == Max1Chr, lock, useLifelines, withdraw};
    } else if (kLevel == 6 || kLevel == 11) {
        // The first questions after a guarantee point.
        row = {5, kSelected == Max1Chr, leastRiskLock, leastRiskLifelines, whatNow};
    } else if (kLevel <= 10) {
        row = {5, kSelected == Max1Chr, lock, useLifelines, withdraw};
    } else {
        row = {4, kSelected == Max2Chr || kSelected == Max1Chr, lock, useLifelines,
               "Oh Ooh! You don't have any lifeline left, if you loose at this point, you will win Rs. 32,000/-. I "
               "will suggest that you please withdraw."};
    }
    if (draw(p_.app, row.n) == 1) return row.lockMessage;  // an impulse to say lock it
    if (row.lockTest) return row.lockMessage;
    if (k5050 || kPhone || kAudience) return row.lifelineMessage;
    return row.noLifelineMessage;
}

}  // namespace zv
