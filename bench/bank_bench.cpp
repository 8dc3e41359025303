// How fast the bank's readers are, on generated banks of 1 000 to 1 000 000
// questions, beside two baselines measured in the same run:
//   Literal - the working copy reopened for every line appended to it, and
//             the bank read once per level, as the game was first written;
//   Limit   - the bank file read once in large blocks, without parsing.
//
//   build/bin/zarvana_bench [--benchmark_filter=...]
//   build/bin/zarvana_bench --draw-memory N    (peak memory of one draw)

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <new>
#include <sstream>

#include "bank/level_copy.h"
#include "bank/maintenance.h"
#include "driver/script_driver.h"
#include "engine/game.h"

namespace {

namespace fs = std::filesystem;
using namespace zv;

// A bank of n questions over the 15 levels, made once and kept between runs.
const fs::path& bankOf(long n)
{
    static std::map<long, fs::path> made;
    auto it = made.find(n);
    if (it != made.end()) return it->second;
    const fs::path dir = fs::temp_directory_path() / ("zarvana-bench-" + std::to_string(n));
    fs::create_directories(dir);
    const fs::path file = dir / "imp.zrv";
    std::error_code ec;
    if (!fs::exists(dir / "default.zrv", ec)) {
        std::string bank;
        bank.reserve(static_cast<std::size_t>(n) * 120);
        for (long i = 1; i <= n; ++i) {
            bank += std::to_string(i) + ",Which of these is question number " + std::to_string(i) +
                    " of the generated bank; asked at its level?,First option,Second option,Third option,Fourth option," +
                    "ABCD"[i % 4] + "," + std::to_string(1 + i % 15) + "\r\n";
        }
        std::ofstream(dir / "default.zrv", std::ios::binary) << bank;
    }
    fs::copy_file(dir / "default.zrv", file, fs::copy_options::overwrite_existing);
    return made.emplace(n, dir).first->second;
}

// ---------------------------------------------------------------- the limit

void readWhole(const fs::path& file, benchmark::State& state)
{
    // The fastest way to read: one page-aligned block, reused.
    static char* const block = static_cast<char*>(::operator new(1 << 20, std::align_val_t{4096}));
    std::size_t total = 0;
    std::FILE* f = std::fopen(file.c_str(), "rb");
    std::size_t got;
    while ((got = std::fread(block, 1, 1 << 20, f)) > 0) total += got;
    std::fclose(f);
    benchmark::DoNotOptimize(total);
    state.SetBytesProcessed(state.bytes_processed() + static_cast<std::int64_t>(total));
}

void Limit(benchmark::State& state)
{
    const fs::path file = bankOf(state.range(0)) / "imp.zrv";
    for (auto _ : state) readWhole(file, state);
}

// ---------------------------------------------------------------- literal

// Line by line, every line split, the working copy opened and closed for
// every line appended to it.
int literalCopy(const fs::path& dir, const char* copy, int level)
{
    std::fclose(std::fopen((dir / copy).c_str(), "wb"));
    std::ifstream in(dir / "imp.zrv", std::ios::binary);
    std::string line;
    QuestionRecord rec;
    int count = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lineProblem(line) != LineProblem::None) continue;
        SplitRecord(line, rec);
        auto v = numberValue(rec[kDifficulty]);
        if (!v || *v != level) continue;
        std::FILE* out = std::fopen((dir / copy).c_str(), "ab");
        const std::string joined = JoinRecord(rec) + "\r\n";
        std::fwrite(joined.data(), 1, joined.size(), out);
        std::fclose(out);
        ++count;
    }
    return count;
}

void DrawLiteral(benchmark::State& state)
{
    const fs::path dir = bankOf(state.range(0));
    for (auto _ : state) {
        const int count = literalCopy(dir, "q2.zrv", 7);
        std::ifstream q2(dir / "q2.zrv", std::ios::binary);
        std::string line;
        for (int i = 0; i <= count / 2 && std::getline(q2, line); ++i) {
        }
        benchmark::DoNotOptimize(line);
    }
}

void BankCheckLiteral(benchmark::State& state)
{
    const fs::path dir = bankOf(state.range(0));
    for (auto _ : state)
        for (int level = 1; level <= 15; ++level) benchmark::DoNotOptimize(literalCopy(dir, "temp.zrv", level));
}

// ---------------------------------------------------------------- the game

struct Board {
    explicit Board(const fs::path& dir) : driver(out, dir)
    {
        std::istringstream none;
        driver.run(none);
        driver.execute("click Main.Label1");
        driver.execute("click Game.lblStart");
    }
    Game& game() { return *driver.app().findAs<Game>(); }
    std::ostringstream out;
    ScriptDriver driver;
};

void Draw(benchmark::State& state)
{
    Board board(bankOf(state.range(0)));
    Module1& m = board.driver.program().m;
    for (auto _ : state) {
        m.Level = 6;
        board.game().NextQuestion();
    }
}

void BankCheck(benchmark::State& state)
{
    Board board(bankOf(state.range(0)));
    for (auto _ : state) board.game().Missing();
    if (board.game().LevelsPresent != 15) state.SkipWithError("the bank check failed");
}

void ListQuestions(benchmark::State& state)
{
    BankFolder bank(bankOf(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(listRows(bank));
}

void CountPerLevel(benchmark::State& state)
{
    BankFolder bank(bankOf(state.range(0)));
    QuestionRecord rec;
    for (auto _ : state) benchmark::DoNotOptimize(countPerLevel(bank, rec));
}

void Delete(benchmark::State& state)
{
    BankFolder bank(bankOf(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(DeleteQuestion(bank, static_cast<double>(state.range(0) / 2)));
}

void Add(benchmark::State& state)
{
    BankFolder bank(bankOf(state.range(0)));
    const auto size = fs::file_size(bank.file("imp.zrv"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(AddQuestion(bank, "A new question, added", {"a", "b", "c", "d"}, "A", "7"));
        fs::resize_file(bank.file("imp.zrv"), size);
    }
}

// The editor's Save changes on the question in the middle of the bank, as
// the player waits for it: the question picked in the list, the bank
// written with it changed and renamed into place, the list read again.
void EditInTheMiddle(benchmark::State& state)
{
    const fs::path dir = fs::temp_directory_path() / "zarvana-bench-edit";
    fs::create_directories(dir);
    fs::copy_file(bankOf(state.range(0)) / "imp.zrv", dir / "imp.zrv", fs::copy_options::overwrite_existing);
    std::ostringstream out;
    ScriptDriver driver(out, dir);
    std::istringstream none;
    driver.run(none);
    driver.execute("click Main.Label2");
    const std::string row = std::to_string(state.range(0) / 2);
    int edits = 0;
    for (auto _ : state) {
        driver.execute("select Question.List1 " + row);
        driver.execute("text Question.Text1 Edited question number " + std::to_string(++edits));
        driver.execute("click Question.cmdSave");
    }
    if (out.str().find("msgbox") != std::string::npos) state.SkipWithError(out.str().c_str());
}

// Times are the time a player waits (the bank is read ahead on a second
// thread); CPU times count every thread of the process.
void sizes(benchmark::internal::Benchmark* b)
{
    for (long n : {1'000L, 10'000L, 100'000L, 1'000'000L}) b->Arg(n);
    b->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
}
void literalSizes(benchmark::internal::Benchmark* b)
{
    for (long n : {1'000L, 10'000L, 100'000L}) b->Arg(n);
    b->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
}

BENCHMARK(Limit)->Apply(sizes);
BENCHMARK(Draw)->Apply(sizes);
BENCHMARK(DrawLiteral)->Apply(literalSizes);
BENCHMARK(BankCheck)->Apply(sizes);
BENCHMARK(BankCheckLiteral)->Apply(literalSizes);
BENCHMARK(ListQuestions)->Apply(sizes);
BENCHMARK(CountPerLevel)->Apply(sizes);
BENCHMARK(Delete)->Apply(sizes);
BENCHMARK(Add)->Apply(sizes);
BENCHMARK(EditInTheMiddle)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();

long peakKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--draw-memory") {
        const long n = std::stol(argv[2]);
        const fs::path dir = bankOf(n);
        const long before = peakKiB();
        Board board(dir);
        board.driver.program().m.Level = 6;
        board.game().NextQuestion();
        std::printf("draw on %ld questions: peak memory %ld KiB (%ld KiB before the program started)\n", n, peakKiB(),
                    before);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
