#include "ui/history_recorder.h"

#include <cstring>

#include "history/fresh_draw.h"
#include "toolkit/application.h"

namespace zv {

namespace {
constexpr const char* kLifelines[] = {"fifty", "phone", "poll", "advice"};
constexpr const char* kTitle = "Your record";
}  // namespace

HistoryRecorder::HistoryRecorder(App& app, std::filesystem::path file, bool freshQuestions)
    : app_(app), db_(std::move(file)), fresh_(freshQuestions)
{
}

bool HistoryRecorder::ready()
{
    if (broken_) return false;
    if (tried_) return true;
    tried_ = true;
    if (!db_.open()) {
        broken_ = true;
        app_.msgBox("The history of your games is not being kept: " + db_.error() +
                        ". The game plays on; your statistics will not include these games.",
                    kTitle);
        return false;
    }
    if (!db_.setAside().empty()) {
        const std::u8string aside = db_.setAside().filename().u8string();
        app_.msgBox("The history of your games was damaged. It has been kept as " +
                        std::string(aside.begin(), aside.end()) + " and a new history begun.",
                    kTitle);
    }
    return true;
}

void HistoryRecorder::broke()
{
    if (broken_) return;
    broken_ = true;
    game_ = row_ = 0;
    app_.msgBox("The history of your games is no longer being kept: " + db_.error() +
                    ". The game plays on; what was saved before is kept.",
                kTitle);
}

const history::HistoryDb* HistoryRecorder::database()
{
    ready();
    return db_.isOpen() ? &db_ : nullptr;
}

void HistoryRecorder::limitPages(int pages)
{
    if (ready()) db_.limitPages(pages);
}

void HistoryRecorder::gameStarted(int gameType)
{
    game_ = row_ = 0;
    for (bool& u : used_) u = false;
    if (!ready()) return;
    game_ = db_.startGame(app_.localTime(), gameType);
    if (game_ == 0) broke();
}

void HistoryRecorder::questionShown(int level, int questionNo, const std::string& question,
                                    const std::string& correct)
{
    if (game_ == 0 || broken_) return;
    row_ = db_.questionShown(game_, level, questionNo, question, correct);
    if (row_ == 0) return broke();
    locked_ = false;
    correct_ = correct;
    shownAt_ = app_.now();
    if (level == lastLevel_) lastLevel_ = 0;  // what the draw knows of this level is old now
}

void HistoryRecorder::answerLocked(const std::string& picked)
{
    // The first lock of a question counts; a second press is no new answer.
    if (row_ == 0 || locked_ || broken_) return;
    locked_ = true;
    const double seconds = static_cast<double>(app_.now() - shownAt_) / 1000.0;
    if (!db_.answerLocked(row_, picked, !picked.empty() && picked == correct_, seconds)) broke();
}

std::string HistoryRecorder::lifelineList() const
{
    std::string list;
    for (int i = 0; i < 4; ++i)
        if (used_[i]) list += (list.empty() ? "" : ",") + std::string(kLifelines[i]);
    return list;
}

void HistoryRecorder::lifelineUsed(const char* name)
{
    if (game_ == 0 || broken_) return;
    for (int i = 0; i < 4; ++i) {
        if (std::strcmp(name, kLifelines[i]) != 0 || used_[i]) continue;
        used_[i] = true;
        if (!db_.setLifelines(game_, lifelineList())) broke();
    }
}

void HistoryRecorder::gameEnded(GameOutcome outcome, long long amountWon)
{
    endGame(outcome == GameOutcome::Won ? history::kWon
            : outcome == GameOutcome::Wrong ? history::kWrong
                                            : history::kWithdrew,
            amountWon);
}

void HistoryRecorder::endGame(const char* outcome, long long amountWon)
{
    if (game_ == 0 || broken_) return;
    const long long game = game_;
    game_ = row_ = 0;
    if (!db_.endGame(game, app_.localTime(), outcome, amountWon)) broke();
}

void HistoryRecorder::boardClosed()
{
    // A game given up has no winnings: the player took nothing home.
    endGame(history::kLeft, 0);
}

bool HistoryRecorder::remembersLevel(int level)
{
    if (!fresh_ || !ready()) return false;
    lastShown_ = db_.lastShown(level);
    lastLevel_ = level;
    return !lastShown_.empty();
}

std::vector<std::size_t> HistoryRecorder::drawable(int level, const std::vector<std::string>& questions)
{
    if (level != lastLevel_) remembersLevel(level);
    return history::freshCandidates(questions, lastShown_);
}

}  // namespace zv
