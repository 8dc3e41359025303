#pragma once
// What every question set reader must hold to, whatever the file: each
// question it takes is one the board can ask whole and the bank can keep,
// every problem says what is wrong, and a set taken without a problem goes
// into a bank and reads back from it as the same questions.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "bank/board_limits.h"
#include "sets/question_sets.h"
#include "toolkit/text_encoding.h"

namespace zv::fuzz {

inline const std::filesystem::path& setFolder()
{
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("zarvana-fuzz-sets-" + std::to_string(getpid()));
        std::filesystem::create_directories(d / "bank");
        return d;
    }();
    return dir;
}

inline bool fits(const std::string& text, std::size_t limit)
{
    return !text.empty() && shownLength(text) <= limit && isValidUtf8(text) &&
           text.find_first_of(";\r\n\t") == std::string::npos;
}

inline int fuzzSet(const std::uint8_t* data, std::size_t size, const char* name)
{
    const std::filesystem::path file = setFolder() / name;
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    double next = 0;
    const std::function<double()> random = [&next] { return next = next + 0.37 < 1 ? next + 0.37 : next - 0.63; };
    const sets::ParsedSet set = sets::readSet(file, random);
    for (const auto& q : set.questions) {
        bool ok = fits(q.question, kMaxQuestionChars) && q.answer >= 'A' && q.answer <= 'D' && q.level >= 1 &&
                  q.level <= 15;
        for (const auto& option : q.options) ok = ok && fits(option, kMaxOptionChars);
        if (!ok) std::abort();
    }
    for (const auto& problem : set.problems)
        if (problem.reason.empty()) std::abort();
    if (!set.problems.empty()) return 0;

    const BankFolder bank(setFolder() / "bank");
    if (!sets::importSet(bank, set, sets::ImportMode::Replace).ok) return 0;  // the same question twice
    const sets::ParsedSet back = sets::readSet(bank.file(bankfile::kBank), random);
    if (!back.problems.empty() || back.questions.size() != set.questions.size()) std::abort();
    for (std::size_t i = 0; i < set.questions.size(); ++i) {
        const auto &a = set.questions[i], &b = back.questions[i];
        if (a.question != b.question || a.options != b.options || a.answer != b.answer || a.level != b.level)
            std::abort();
    }
    for (const auto& entry : std::filesystem::directory_iterator(bank.dir()))
        if (entry.path().filename() != bankfile::kBank) std::filesystem::remove(entry.path());
    return 0;
}

}  // namespace zv::fuzz
