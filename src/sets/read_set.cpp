#include "sets/read_set.h"

#include <algorithm>

#include "sets/csv_reader.h"
#include "sets/duplicates.h"
#include "sets/json_reader.h"
#include "sets/zrv_reader.h"

namespace zv::sets {

namespace {
std::string lowerExtension(const std::filesystem::path& file)
{
    std::string ext = file.extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}
}  // namespace

void sortByPlace(std::vector<SetProblem>& problems)
{
    std::stable_sort(problems.begin(), problems.end(),
                     [](const SetProblem& a, const SetProblem& b) { return a.where < b.where; });
}

ParsedSet readSet(const std::filesystem::path& file, const std::function<double()>& random, FileSystem& files)
{
    ParsedSet set;
    const std::string ext = lowerExtension(file);
    if (ext == ".csv") {
        set = readCsv(files, file);
    } else if (ext == ".json") {
        set = readJson(files, file, random);
        set.itemNumbers = true;
    } else if (ext == ".zrv") {
        set = readZrv(files, file);
    } else {
        set.problems.push_back({0, "not a question set: the game reads .csv, .json and .zrv files"});
        return set;
    }
    if (set.questions.empty() && set.problems.empty())
        set.problems.push_back({0, set.skipped ? "no questions the board can ask: its " + std::to_string(set.skipped) +
                                                     " true/false questions were skipped"
                                               : "the file holds no questions"});
    sortByPlace(set.problems);
    return set;
}

std::vector<SetProblem> checkSet(const std::filesystem::path& file, FileSystem& files)
{
    // Where the answers land does not change what is wrong with a set.
    const std::function<double()> first = [] { return 0.0; };
    ParsedSet set = readSet(file, first, files);
    for (SetProblem& problem : findDuplicates(set, {})) set.problems.push_back(std::move(problem));
    sortByPlace(set.problems);
    return set.problems;
}

}  // namespace zv::sets
