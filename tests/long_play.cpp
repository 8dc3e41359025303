// Long play: thousands of seeded games of every game type, played by random
// clicks, lifelines, advice, withdrawals, exits and waits through the script
// driver, with the game's invariants checked after every step.
//
//   zarvana_long_play [GAMES [SEED]]     (default 300 games, seed 1)
//
// Exits 1 and says which step broke an invariant; prints the memory in use
// at the start and the end, which must not grow with the games played.

#include <fstream>
#include <iostream>
#include <random>
#include <set>
#include <sstream>
#include <tuple>

#include "support/test_folder.h"

namespace {

using namespace zv;

long residentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * 4;
}

class Player {
public:
    Player(std::uint64_t seed, test::TestFolder& folder)
        : rng_(seed), folder_(folder), driver_(std::make_unique<ScriptDriver>(out_, folder.path()))
    {
        driver_->app().random().seed(seed);
        std::istringstream none;
        driver_->run(none);
    }

    // Opens the board with the given game type and plays one game to its end.
    bool playGame(int gameType, int gameNo)
    {
        // The player chooses the game type in Options; the board plays it
        // from its next opening.
        if (m().GameType != gameType || !app().find("Game")) {
            const std::string choose = "choose frmOptions.Option" + std::to_string(gameType);
            for (const char* command : {"close Game", "click Main.Label5", choose.c_str(), "click frmOptions.Command1",
                                        "click Main.Label1"})
                step(command);
            if (m().GameType != gameType) return fail("the game type did not change");
        }
        if (!app().find("Game")) return fail("the board did not open");
        // Like a player, answer what the last game left open before starting:
        // an advice dialog carried into a new game and closed after Start
        // counts as a Blinking verdict there (the game's own rule).
        for (int i = 0; i < 5 && tryClose(); ++i) {
        }
        if (!step("click Game.lblStart")) return fail("no game could start");
        used_.clear();
        for (int moves = 0; moves < 2000; ++moves) {
            if (!act()) return false;
            if (!check(gameNo, moves)) return false;
            if (gameFinished_) {
                gameFinished_ = false;
                return true;
            }
        }
        return fail("a game of 2000 moves did not end");
    }

    std::string failure;

private:
    App& app() { return driver_->app(); }
    Module1& m() { return driver_->program().m; }
    Game* game() { return app().findAs<Game>(); }

    bool step(const std::string& command)
    {
        history_.push_back(command);
        if (history_.size() > 25) history_.erase(history_.begin());
        return driver_->execute(command) && out_.str().find("ignored") == std::string::npos ? (out_.str(""), true)
                                                                                             : (out_.str(""), false);
    }
    bool fail(const std::string& why)
    {
        std::ostringstream state;
        for (Form* f : app().loadedForms()) state << " " << f->name() << (f->visible() ? "" : "(hidden)");
        state << "; Level " << m().Level << ", GameOver " << m().GameOver << ", SelectedAnswer " << m().SelectedAnswer;
        if (Game* g = game())
            state << ", lblLock " << g->lblLock.visible() << g->lblLock.enabled() << ", lblStart " << g->lblStart.visible()
                  << ", lblQNo " << g->lblQNo.caption();
        std::string recent;
        for (const auto& h : history_) recent += "\n    " + h;
        failure = why + " (after '" + history_.back() + "'; forms" + state.str() + ")" + recent;
        return false;
    }
    bool receivable(const std::string& form, const std::string& control, int index = -1)
    {
        Form* f = app().find(form);
        Control* c = f ? f->find(control, index) : nullptr;
        return c && app().canReceive(*c);
    }
    bool tryClose()
    {
        for (const char* ok : {"Result", "Message3", "Message"})
            if (receivable(ok, "Command1")) return step(std::string("click ") + ok + ".Command1");
        return false;
    }

    // One random move among those the player can make now.
    bool act()
    {
        std::vector<std::string> moves;
        auto offer = [&](const std::string& form, const std::string& control, int weight, int index = -1) {
            if (!receivable(form, control, index)) return;
            const std::string name = index < 0 ? control : control + "(" + std::to_string(index) + ")";
            for (int i = 0; i < weight; ++i) moves.push_back("click " + form + "." + name);
        };
        for (const char* pick : {"ImgA", "ImgB", "ImgC", "ImgD", "lblA", "lblB", "lblC", "lblD"}) offer("Game", pick, 1);
        for (int i = 0; i < 4; ++i) offer("Game", "lblAnswer", 1, i);
        // The player answers right most of the time, so games climb the ladder.
        if (game() && game()->lblCorrect.caption().size() == 1) {
            const std::string right = "lbl" + game()->lblCorrect.caption();
            if (receivable("Game", right)) moves.insert(moves.end(), 14, "click Game." + right);
        }
        // Each other control, as often as a player would reach for it.
        const std::tuple<const char*, const char*, int> others[] = {
            {"Game", "lblLock", 10},     {"Game", "lblWith", 1},      {"Game", "Image9", 1},
            {"Game", "Image10", 1},      {"Game", "Image11", 1},      {"Game", "lblKya", 1},
            {"Game", "Option1", 1},      {"Game", "Option2", 1},      {"Game", "Option3", 1},
            {"Game", "Option4", 1},      {"Game", "Command1", 2},     {"Game", "lblExit", 1},
            {"frmExit", "Command2", 5},  {"frmExit", "Command1", 1},  {"Message", "Command1", 8},
            {"Message2", "Command1", 8}, {"Message3", "Command1", 8}, {"Result", "Command1", 8},
            {"Game", "lblStart", 1}};
        for (auto [form, control, weight] : others) offer(form, control, weight);
        for (const char* hover : {"move Game.ImgA", "move Game.lblLock", "move Game", "move Game.Image9"})
            moves.push_back(hover);
        for (int i = 0; i < 6; ++i)
            moves.push_back("wait " + std::to_string(std::uniform_int_distribution<int>(50, 3500)(rng_)));
        const std::string move = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng_)];
        for (const char* lifeline : {"Image9", "Image10", "Image11"})
            if (move == std::string("click Game.") + lifeline) used_.insert(lifeline);
        const bool resultOk = move == "click Result.Command1";
        const bool exitYes = move == "click frmExit.Command1";
        step(move);
        if (resultOk || exitYes) gameFinished_ = true;
        if (exitYes) {
            // Leaving the board ends the game; the next one opens it anew.
            if (folder_.exists("q2.zrv") || folder_.exists("temp.zrv")) return fail("Exit left working copies");
        }
        return true;
    }

    bool check(int gameNo, int moveNo)
    {
        auto broken = [&](const std::string& what) {
            return fail("game " + std::to_string(gameNo) + ", move " + std::to_string(moveNo) + ": " + what);
        };
        Game* g = game();
        if (!g) return true;
        Module1& mm = m();
        for (const char* lifeline : {"Image9", "Image10", "Image11"})
            if (used_.count(lifeline) && g->ctl(lifeline).enabled()) return broken(std::string(lifeline) + " came back");
        const bool revealing = g->Timer2.enabled() || g->Timer3.enabled();
        const bool dialogUp = app().find("Message") || app().find("Message2") || app().find("Message3") ||
                              app().find("Result") || app().find("frmExit");
        if (mm.GameOver) {
            if (g->lblLock.visible() && g->lblLock.enabled() && !dialogUp) return broken("lock usable after the game");
            if (!app().find("Result") && !g->Timer1.enabled()) return broken("the result is lost");
            return true;
        }
        if (g->lblStart.visible() || mm.Level > 15) return true;
        const bool idle = g->lblLock.visible() && g->lblLock.enabled() && !revealing && !dialogUp;
        if (!g->lblLock.enabled() && !revealing && !dialogUp && !mm.GameOver)
            return broken("the board is frozen with nothing to answer");
        if (!idle) return true;
        // The number on show is the level, and the amounts those of the level
        // before it. Blinking has one exception, the game's own rule: a reveal
        // that ends while advice or the friend's answer is still open leaves
        // the same question under the next number (that dialog's OK only
        // gives the board back), and its next right answer is paid one level
        // up; number and amounts then run one step ahead.
        const int level = mm.Level;
        const int shown = std::atoi(g->lblQNo.caption().c_str());
        const bool blinking = mm.GameType == 1;
        if (shown != level && !(blinking && shown == level + 1))
            return broken("question number " + g->lblQNo.caption());
        bool paid = false;
        for (int won = shown - 1; won <= (blinking ? shown : shown - 1); ++won) {
            const std::string total = won == 0 ? "0" : std::to_string(ladder(won).prize);
            const std::string assured = won == 0 ? "0" : std::to_string(ladder(won).assured);
            if (g->lblTotal.caption() == total && g->lblAs.caption() == assured) paid = true;
        }
        if (!paid)
            return broken("total " + g->lblTotal.caption() + " and assured " + g->lblAs.caption() + " at question " +
                          g->lblQNo.caption());
        if (g->lblQuestion.caption().empty()) return broken("no question on the board");
        if (g->lblCorrect.caption() != mm.QuestionRec[kAnswer]) return broken("correct letter out of step");
        return true;
    }

    std::mt19937_64 rng_;
    test::TestFolder& folder_;
    std::ostringstream out_;
    std::unique_ptr<ScriptDriver> driver_;
    std::set<std::string> used_;
    std::vector<std::string> history_;
    bool gameFinished_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 300;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    test::TestFolder folder;
    folder.write("imp.zrv", test::readFile(std::filesystem::path(ZARVANA_DATA_DIR) / "default.zrv"));

    Player player(seed, folder);
    long startKiB = 0;
    for (int i = 0; i < games; ++i) {
        if (i == std::min(50, games / 2)) startKiB = residentKiB();
        if (!player.playGame(1 + i % 3, i)) {
            std::cerr << "long play broke: " << player.failure << "\n";
            return 1;
        }
    }
    const long endKiB = residentKiB();
    std::cout << games << " games played; memory " << startKiB << " KiB after warming up, " << endKiB
              << " KiB at the end\n";
    // AddressSanitizer holds freed memory back on purpose: no measure there.
#ifndef __has_feature
#define __has_feature(x) 0
#endif
#if !defined(__SANITIZE_ADDRESS__) && !__has_feature(address_sanitizer)
    if (startKiB && endKiB - startKiB > 8 * 1024) {
        std::cerr << "memory grew by " << (endKiB - startKiB) << " KiB\n";
        return 1;
    }
#endif
    return 0;
}
