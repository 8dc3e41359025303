#pragma once
// What a bank knows of its questions beyond the record: an explanation to
// show the player after the verdict, and a category. The record of imp.zrv
// has no room for them (an older copy of the game reads the same bank), so
// they are kept beside it, in imp-extras.tsv for imp.zrv and
// default-extras.tsv for default.zrv: a header line, then one line a
// question, tab-separated:
//
//   question<TAB>explanation<TAB>category
//
// A question is named by its text as the bank stores it (commas as ";"), so
// its explanation follows it through renumbering, and a bank edited by an
// older copy of the game loses nothing but the explanations of the
// questions whose text it changed.

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <system_error>

#include "bank/bank_folder.h"

namespace zv {

struct QuestionExtra {
    std::string explanation;
    std::string category;
    bool empty() const { return explanation.empty() && category.empty(); }
    bool operator==(const QuestionExtra&) const = default;
};

// imp.zrv -> imp-extras.tsv.
std::string extrasFileOf(std::string_view bankName);

class QuestionExtras {
public:
    // A missing file has no extras; `error` is set only when a file that is
    // there cannot be read to its end.
    static QuestionExtras read(const BankFolder& bank, std::string_view bankName, std::error_code* error = nullptr);

    // None for a question without extras.
    const QuestionExtra* find(std::string_view question) const;
    // An empty extra removes the question's line.
    void set(const std::string& question, QuestionExtra extra);
    // The extras of a question whose text changed go with it.
    void rename(const std::string& from, const std::string& to);
    const std::map<std::string, QuestionExtra, std::less<>>& all() const { return entries_; }

    // Writes the file in full beside the bank and renames it into place; a
    // bank without extras has no file. An empty error on success.
    std::error_code write(const BankFolder& bank, std::string_view bankName) const;

private:
    std::map<std::string, QuestionExtra, std::less<>> entries_;
};

// A text made fit for one field of the file: tabs and line breaks become
// blanks, and blanks at either end go.
std::string extraField(std::string_view text);

}  // namespace zv
