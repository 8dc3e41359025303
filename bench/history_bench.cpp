// What the player's record costs, on a record of 10 000 games of realistic
// length (the questions of data/default.zrv, games reaching question 1 to
// 15): recording a step of a game, the Statistics window opened on it, and
// the size of history.db.
//
//   build/bin/zarvana_history_bench [--benchmark_filter=...]

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "bank/record.h"
#include "driver/script_driver.h"
#include "history/history_db.h"
#include "history/statistics.h"

namespace {

namespace fs = std::filesystem;
using namespace zv;

constexpr int kGames = 10000;

// The shipped questions, by level.
std::vector<std::vector<std::string>> shippedQuestions()
{
    std::vector<std::vector<std::string>> byLevel(16);
    std::ifstream in(fs::path(ZARVANA_DATA_DIR) / "default.zrv");
    QuestionRecord rec;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (SplitRecord(line, rec) != kDifficulty) continue;
        const auto level = numberValue(rec[kDifficulty]);
        if (level && *level >= 1 && *level <= 15) byLevel[static_cast<std::size_t>(*level)].push_back(rec[kQuestion]);
    }
    return byLevel;
}

// A folder with a record of 10 000 games, made once.
const fs::path& recordFolder()
{
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / "zarvana-bench-history";
        fs::remove_all(d);
        fs::create_directories(d);
        fs::copy_file(fs::path(ZARVANA_DATA_DIR) / "imp.zrv", d / "imp.zrv");
        const auto questions = shippedQuestions();
        history::HistoryDb db(d / history::kHistoryFile);
        db.open();
        // Most games end early, a few go far: level reached 1 to 15.
        for (int g = 0; g < kGames; ++g) {
            const long long id = db.startGame("2026-01-05T10:00:00", 1 + g % 3);
            const int reached = 1 + (g * 7919) % 15 * ((g % 4) + 1) / 4;
            for (int level = 1; level <= reached; ++level) {
                const auto& pool = questions[static_cast<std::size_t>(level)];
                const std::string& q = pool[static_cast<std::size_t>(g + level) % pool.size()];
                const long long row = db.questionShown(id, level, level, q, "B");
                if (level < reached) db.answerLocked(row, "B", true, 5.5);
            }
            db.setLifelines(id, g % 2 ? "fifty,poll" : "phone");
            db.endGame(id, "2026-01-05T10:05:00", g % 5 ? "wrong" : "withdrew", 10000);
        }
        return d;
    }();
    return dir;
}

void BM_RecordStep(benchmark::State& state)
{
    history::HistoryDb db(recordFolder() / history::kHistoryFile);
    db.open();
    const long long game = db.startGame("2026-01-06T10:00:00", 3);
    for (auto _ : state) {
        // A step: the question shown, then the answer locked.
        const long long row = db.questionShown(game, 7, 70, "Which river flows through the most countries?", "C");
        db.answerLocked(row, "C", true, 8.0);
    }
    state.SetItemsProcessed(2 * state.iterations());
    state.counters["db_MB"] = static_cast<double>(fs::file_size(recordFolder() / history::kHistoryFile)) / 1e6;
}
BENCHMARK(BM_RecordStep)->Unit(benchmark::kMicrosecond);

void BM_StatisticsWindowOpens(benchmark::State& state)
{
    std::ostringstream out;
    ScriptDriver driver(out, recordFolder());
    std::istringstream none;
    driver.run(none);
    driver.execute("click Main.Label7");
    driver.execute("click frmPlayer.Command2");
    driver.execute("close frmStatistics");
    for (auto _ : state) {
        // Every figure computed from the record and put into the window.
        driver.execute("click Main.Label7");
        driver.execute("close frmStatistics");
    }
    state.counters["games"] = kGames;
}
BENCHMARK(BM_StatisticsWindowOpens)->Unit(benchmark::kMillisecond);

void BM_DatabaseSize(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(fs::file_size(recordFolder() / history::kHistoryFile));
    state.counters["db_MB"] = static_cast<double>(fs::file_size(recordFolder() / history::kHistoryFile)) / 1e6;
}
BENCHMARK(BM_DatabaseSize)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
