#include "app/set_commands.h"

#include <ostream>

#include "bank/bank_folder.h"
#include "sets/question_sets.h"
#include "toolkit/random.h"

namespace zv {

namespace {

constexpr const char* kUsage =
    "usage: zarvana check FILE\n"
    "       zarvana import FILE [--replace] [--app-dir DIR]\n"
    "       zarvana export FILE [--levels A-B] [--app-dir DIR]\n";

void printProblems(std::ostream& to, const std::string& file, const std::vector<sets::SetProblem>& problems)
{
    for (const auto& problem : problems) {
        to << file << ':';
        if (problem.where > 0) to << problem.where << ':';
        to << ' ' << problem.reason << '\n';
    }
}

std::string counted(int n, const char* what)
{
    return std::string(what) + " " + std::to_string(n) + (n == 1 ? " question" : " questions");
}

int runCheck(const CommandLine& line, std::ostream& out)
{
    const auto problems = sets::checkSet(line.file);
    printProblems(out, line.file, problems);
    return problems.empty() ? 0 : 1;
}

int runImport(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    const BankFolder bank(appFolderOf(line));
    Random random;  // the game's one generator: it places the answers of trivia sets
    const std::function<double()> next = [&random] { return random.next(); };
    const sets::ParsedSet set = sets::readSet(line.file, next);
    const auto mode = line.replace ? sets::ImportMode::Replace : sets::ImportMode::Merge;
    const sets::ImportPreview preview = sets::previewImport(bank, set, mode);
    if (!preview.ok()) {
        printProblems(err, line.file, preview.problems);
        err << "zarvana: nothing was imported into " << bank.file(bankfile::kBank).string() << '\n';
        return 1;
    }
    const sets::ImportOutcome outcome = sets::importSet(bank, set, mode);
    if (!outcome.ok) {
        err << "zarvana: " << outcome.message << '\n';
        return 1;
    }
    out << counted(outcome.imported, "imported") << '\n';
    if (!outcome.backup.empty()) out << "the old bank is kept as " << bank.file(outcome.backup).string() << '\n';
    return 0;
}

int runExport(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    const BankFolder bank(appFolderOf(line));
    const sets::ExportOutcome outcome = sets::exportSet(bank, line.file, line.fromLevel, line.toLevel);
    if (!outcome.ok) {
        err << "zarvana: " << outcome.message << '\n';
        return 1;
    }
    out << counted(outcome.exported, "exported") << '\n';
    return 0;
}

}  // namespace

int runSetCommand(const CommandLine& line, std::ostream& out, std::ostream& err)
{
    if (!line.usageError.empty()) {
        err << "zarvana: " << line.usageError << '\n' << kUsage;
        return 2;
    }
    switch (line.command) {
    case SetCommand::Check:
        return runCheck(line, out);
    case SetCommand::Import:
        return runImport(line, out, err);
    case SetCommand::Export:
        return runExport(line, out, err);
    case SetCommand::None:
        break;
    }
    err << kUsage;
    return 2;
}

}  // namespace zv
