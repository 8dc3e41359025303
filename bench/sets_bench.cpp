// How long question sets take: importing 100 000 questions from CSV, from
// JSON and from another bank into an empty bank (the goal: under 2 s), with
// explanations; and exporting them again.
//
//   build/bin/zarvana_sets_bench [--benchmark_filter=...]

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "sets/question_sets.h"

namespace {

namespace fs = std::filesystem;
using namespace zv;

constexpr long kQuestions = 100'000;

// A folder holding a bank of kQuestions questions with their extras, and
// the same questions exported as CSV and JSON: made once per run.
const fs::path& source()
{
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / "zarvana-sets-bench";
        fs::remove_all(d);
        fs::create_directories(d);
        std::ofstream bank(d / "imp.zrv", std::ios::binary), extras(d / "imp-extras.tsv", std::ios::binary);
        extras << "question\texplanation\tcategory\r\n";
        for (long i = 1; i <= kQuestions; ++i) {
            const std::string question = "Which of these is question number " + std::to_string(i) + "; asked at its level?";
            bank << i << ',' << question << ",First option,Second; option,Third option,Fourth option," << "ABCD"[i % 4]
                 << ',' << 1 + i % 15 << "\r\n";
            extras << question << "\tBecause it is numbered " << i << ", \"as the bank says\".\tGenerated\r\n";
        }
        bank.close();
        extras.close();
        for (const char* name : {"set.csv", "set.json"})
            if (!sets::exportSet(BankFolder(d), d / name).ok) std::abort();
        return d;
    }();
    return dir;
}

void importFrom(benchmark::State& state, const char* name)
{
    const fs::path set = source() / name;
    const fs::path target = fs::temp_directory_path() / "zarvana-sets-bench-import";
    const std::function<double()> random = [] { return 0.5; };
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(target);
        fs::create_directories(target);
        state.ResumeTiming();
        const sets::ParsedSet parsed = sets::readSet(set, random);
        const auto outcome = sets::importSet(BankFolder(target), parsed, sets::ImportMode::Merge);
        if (outcome.imported != kQuestions) state.SkipWithError(outcome.message.c_str());
    }
    state.SetItemsProcessed(state.iterations() * kQuestions);
}

void ImportCsv(benchmark::State& state) { importFrom(state, "set.csv"); }
void ImportJson(benchmark::State& state) { importFrom(state, "set.json"); }
void ImportBank(benchmark::State& state) { importFrom(state, "imp.zrv"); }

void ExportCsv(benchmark::State& state)
{
    const fs::path out = fs::temp_directory_path() / "zarvana-sets-bench-export.csv";
    for (auto _ : state)
        if (sets::exportSet(BankFolder(source()), out).exported != kQuestions) state.SkipWithError("export");
    state.SetItemsProcessed(state.iterations() * kQuestions);
}

}  // namespace

BENCHMARK(ImportCsv)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImportJson)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImportBank)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ExportCsv)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
