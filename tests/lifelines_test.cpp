// The lifelines and the host's advice, beyond the transcripts: what
// Fifty-Fifty keeps, the poll's invariants, the friend's words, the tie rules
// and the advice table.

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace zv {
namespace {

using test::Session;

class Lifelines : public ::testing::Test {
protected:
    Game& g() { return run.game(); }
    void at(int level, const std::string& correct)
    {
        run.m().Level = level;
        g().lblQNo.setCaption(std::to_string(level));
        g().lblCorrect.setCaption(correct);
    }
    // The next poll casts exactly these votes (with no bonus).
    void castVotes(int a, int b, int c, int d)
    {
        std::vector<double> r;
        for (auto [count, value] : {std::pair{a, 0.1}, {b, 0.3}, {c, 0.6}, {d, 0.9}}) r.insert(r.end(), static_cast<std::size_t>(count), value);
        r.push_back(0);
        run.app().random().queue(r);
    }
    Session run{test::ladderBank(), test::kFast, test::Open::Game};
};

struct FiftyFifty {
    const char* correct;
    std::vector<double> draws;
    const char* kept;
};

// Every wrong option can stay beside each correct one, each from its own
// share of the numbers drawn.
const FiftyFifty kFiftyFifty[] = {
    {"A", {0}, "AB"},  {"A", {0.5}, "AC"},       {"A", {0.9}, "AD"},  // Int(3 r) + 1
    {"B", {0.3, 0.1}, "AB"}, {"B", {0.6}, "BC"}, {"B", {0.9}, "BD"},  // Int(4 r) until it is not the correct one
    {"C", {0.1}, "AC"}, {"C", {0.3}, "BC"},      {"C", {0.6, 0.9}, "CD"},
    {"D", {0}, "AD"},  {"D", {0.5}, "BD"},       {"D", {0.9}, "CD"},  // Int(3 r)
    {"b", {}, "A"},  // a letter outside A to D keeps A alone and draws nothing
};

TEST_F(Lifelines, FiftyFiftyKeepsTheCorrectOptionAndTheWrongOneDrawn)
{
    for (const FiftyFifty& f : kFiftyFifty) {
        SCOPED_TRACE(std::string(f.correct) + " kept with " + f.kept);
        g().MakeOptionsUsable();
        at(1, f.correct);
        run.app().random().queue(f.draws);
        const auto draws = run.app().random().draws();
        g().Image9_Click();
        EXPECT_EQ(run.app().random().draws(), draws + f.draws.size());
        Control* pictures[] = {&g().ImgA, &g().ImgB, &g().ImgC, &g().ImgD};
        Control* letters[] = {&g().lblA, &g().lblB, &g().lblC, &g().lblD};
        for (std::size_t i = 0; i < 4; ++i) {
            const bool kept = std::string(f.kept).find(static_cast<char>('A' + i)) != std::string::npos;
            EXPECT_EQ(g().lblAnswer[i]->visible(), kept) << i;
            EXPECT_EQ(pictures[i]->enabled(), kept) << i;
            EXPECT_EQ(letters[i]->visible(), kept) << i;
        }
    }
}

TEST_F(Lifelines, FiftyFiftyIsSpentUntilTheNextGameAndTheLockOffersEveryOptionAgain)
{
    // The correct answer is B: 0.99 keeps D beside it.
    EXPECT_EQ(run("rng 0.99\nclick Game.Image9\nclick Game.Image9\nclick Game.ImgA\nclick Game.lblAnswer(3)\n"
                     "var SelectedAnswer\nvar Was5050Enabled\nget Game.Image9 Picture"),
              "ignored: Game.Image9\nignored: Game.ImgA\nSelectedAnswer = D\nWas5050Enabled = False\n"
              "Game.Image9.Picture = Image4\n");
    run("click Game.lblB\nclick Game.lblLock\nclick Message3.Command1");
    EXPECT_FALSE(g().Image9.enabled());
    EXPECT_TRUE(g().lblAnswer[0]->visible() && g().ImgA.enabled() && g().lblA.visible());
}

TEST_F(Lifelines, EveryPollSumsToOneHundredAndFavoursTheOfferedOptions)
{
    run.app().random().seed(7);
    for (int level = 1; level <= 15; ++level) {
        for (int trial = 0; trial < 50; ++trial) {
            at(level, std::string(1, static_cast<char>('A' + trial % 4)));
            g().MakeOptionsUsable();
            if (trial % 2) g().Image9_Click();
            g().Aud_Poll();
            const double votes[] = {g().adA, g().adB, g().adC, g().add};
            EXPECT_EQ(votes[0] + votes[1] + votes[2] + votes[3], 100);
            for (int i = 0; i < 4; ++i) {
                EXPECT_GE(votes[i], 0);
                if (!g().lblAnswer[static_cast<std::size_t>(i)]->visible()) {
                    EXPECT_EQ(votes[i], 0);
                }
            }
            EXPECT_LE(g().adIncr / 4, 24 - level);
        }
    }
}

struct Call {
    int a, b, c, d;  // the votes cast, with no bonus
    bool fiftyFifty;  // first, keeping B and D
    const char* said;
};

const Call kCalls[] = {
    {29, 71, 0, 0, false, "I am sure the answer is B"},
    {30, 70, 0, 0, false, "I think the answer is B"},
    {50, 0, 41, 9, false, "I think it is either A or C"},  // a lead of 9
    {50, 0, 40, 10, false, "I guess it is A"},             // a lead of 10
    {25, 25, 25, 25, true, "I think it is B"},             // 50 and 50: the earlier letter
    {30, 20, 30, 20, false, "I think it is either A or C"},  // a tie at the top: A first
};

TEST_F(Lifelines, TheFriendNamesTheFavouriteOfAPollAsSureAsItsLead)
{
    for (const Call& call : kCalls) {
        SCOPED_TRACE(call.said);
        g().MakeOptionsUsable();
        at(1, "B");
        if (call.fiftyFifty) {
            run.app().random().queue({0.99});
            g().Image9_Click();
        }
        castVotes(call.a, call.b, call.c, call.d);
        g().Image10.setEnabled(true);
        run.app().run([&] { g().Image10_Click(); });
        EXPECT_EQ(run.app().find(forms::kMessage3)->ctl(forms::kMessageText).caption(), call.said);
        EXPECT_EQ(run.m().Msg3Flag, 1);
        EXPECT_FALSE(g().Image10.enabled());
        EXPECT_EQ(g().Image10.picture(), "Image7");
    }
}

TEST_F(Lifelines, TheHostTrustsTheAudienceInTheMiddleAndEitherOfItsTopTwoHighUp)
{
    auto ask = [&](int level, const std::string& marked, int a, int b, int c, int d, double impulse) {
        at(level, "B");
        g().ctl("Option" + std::to_string(marked[0] - 'A' + 1)).setValue(1);
        castVotes(a, b, c, d);
        run.app().random().queue({impulse});
        g().kTimes = 3;
        g().Command1_Click();
        return run.app().load("Message3")->ctl("lblCaption").caption();
    };
    // Up to question 4 the host knows the answer; Int(10 r) = 1 is an impulse to lock.
    EXPECT_EQ(ask(1, "B", 25, 25, 25, 25, 0.5), "Lock Kar diya jai.");
    EXPECT_EQ(ask(1, "A", 25, 25, 25, 25, 0.5), "Please use your lifeline(s).");
    EXPECT_EQ(ask(1, "A", 25, 25, 25, 25, 0.1), "Lock Kar diya jai.");
    EXPECT_EQ(ask(6, "C", 10, 20, 60, 10, 0.5), "You are at least risk, lock Kar diya jai.");
    EXPECT_EQ(ask(11, "B", 10, 20, 60, 10, 0.5),
              "Though you are at least risk, I will still suggest that please use your lifeline(s).");
    EXPECT_EQ(ask(8, "C", 10, 20, 60, 10, 0.5), "Lock Kar diya jai.");
    EXPECT_EQ(ask(12, "A", 40, 10, 45, 5, 0.5), "Lock Kar diya jai.");  // the runner-up
    EXPECT_EQ(ask(12, "D", 40, 10, 45, 5, 0.25), "Lock Kar diya jai.");  // Int(4 r) = 1
    EXPECT_EQ(ask(12, "D", 40, 10, 45, 5, 0.5), "Please use your lifeline(s).");
    // Ties for the runner-up: with D the favourite, C is tried before B, and A before both.
    EXPECT_EQ(ask(12, "C", 10, 20, 20, 50, 0.5), "Lock Kar diya jai.");
    EXPECT_EQ(ask(12, "B", 10, 20, 20, 50, 0.5), "Please use your lifeline(s).");
    EXPECT_EQ(ask(12, "A", 20, 20, 10, 50, 0.5), "Lock Kar diya jai.");
    for (Control* c : {&g().Image9, &g().Image10, &g().Image11}) c->setEnabled(false);
    EXPECT_EQ(ask(15, "D", 40, 10, 45, 5, 0.5),
              "Oh Ooh! You don't have any lifeline left, if you loose at this point, you will win Rs. 32,000/-. I will "
              "suggest that you please withdraw.");
    EXPECT_EQ(ask(6, "A", 40, 10, 45, 5, 0.5), "You don't have any lifeline left, what do you want to do?");
    EXPECT_EQ(ask(2, "D", 50, 50, 0, 0, 0.5),
              "You don't have any lifeline left, I will suggest that you please withdraw.");
    EXPECT_EQ(ask(1, "A", 40, 10, 45, 5, 0.5),
              "You don't have any lifeline left, I will suggest that you make a guess at this level.");
}

TEST_F(Lifelines, TheHostAdvisesThreeTimesAQuestion)
{
    EXPECT_EQ(run("var kSelected\nget Game.Option1 Value"), "kSelected = \nGame.Option1.Value = True\n");
    for (const int left : {2, 1, 3}) {
        SCOPED_TRACE(left);
        EXPECT_EQ(run("click Game.lblKya\nget Game.Frame2 Visible"), "Game.Frame2.Visible = True\n");
        castVotes(25, 25, 25, 25);
        run("choose Game.Option2\nclick Game.Command1");
        EXPECT_FALSE(g().Frame2.visible());
        EXPECT_EQ(g().kTimes, left);
        EXPECT_EQ(g().kSelected, "B");
        // The third advice of a question is the last.
        EXPECT_EQ(g().lblKya.enabled(), left != 3);
        run("click Message3.Command1");
        EXPECT_EQ(g().lblKya.enabled(), left != 3);
    }
    EXPECT_EQ(run("click Game.lblKya"), "ignored: Game.lblKya\n");
    // The next question gives three more.
    run("click Game.lblB\nclick Game.lblLock\nclick Message3.Command1");
    EXPECT_EQ(g().kTimes, 3);
    EXPECT_TRUE(g().lblKya.enabled());
}

TEST_F(Lifelines, AboveTheLastQuestionTheHostSaysNothing)
{
    run.app().unload("Message3");
    run.m().Level = 16;
    g().kTimes = 3;
    g().Command1_Click();
    EXPECT_EQ(run.app().find("Message3"), nullptr);
    EXPECT_FALSE(g().Frame2.visible());
    EXPECT_EQ(g().kTimes, 2);
    EXPECT_EQ(run.m().Msg3Flag, 1);
}

TEST_F(Lifelines, ClosingAnAdviceDialogNeverHandsBackASpentLifeline)
{
    run("click Game.Image9\nclick Game.lblLock\nclick Message3.Command1");
    // The lock above had no pick: a prompt. Now advice after Fifty-Fifty.
    run("click Game.lblKya\nclick Game.Command1\nclick Message3.Command1");
    EXPECT_FALSE(g().Image9.enabled());
    EXPECT_TRUE(g().Image10.enabled());
}

}  // namespace
}  // namespace zv
