#pragma once
// The Question Editor's way in and out for whole sets of questions.
//
// Import questions: the set chosen is read and checked before anything is
// written; the dialog shows how many questions each level would gain and
// every problem with its line (or item), then Merge appends the set after
// the bank's own questions and Replace puts it in the bank's place (the old
// bank kept beside it as a dated backup). A set with a problem cannot come
// in at all; one whose only problem is a question the bank already holds
// may still replace the bank.
//
// Export questions: the levels from and to, then a file name; the format
// goes by its extension (.csv, or .json), CSV when it has neither.

#include <cstddef>
#include <functional>
#include <string>

#include "engine/form_names.h"
#include "engine/program.h"
#include "sets/question_sets.h"
#include "toolkit/form.h"

namespace zv {

// Told to the editor after an import or export: what was done, in the
// player's words, and the bank line of the first question imported (0 when
// the bank did not change).
using SetsDone = std::function<void(const std::string& status, std::size_t firstNewLine)>;

class frmImport : public Form {
public:
    static constexpr const char* kName = forms::kImport;
    explicit frmImport(Program& p);
    void cmdMerge_Click();
    void cmdReplace_Click();
    void cmdCancel_Click();

    // Reads `file`, shows what an import of it would do, and waits for the
    // player's choice.
    static void preview(Program& p, const std::string& file, SetsDone done);

private:
    void show(const std::string& file);
    void run(sets::ImportMode mode);
    Program& p_;
    std::size_t bankLines_ = 0;  // the questions in the bank before the import
    sets::ParsedSet set_;
    std::string fileName_;
    SetsDone done_;
};

class frmExport : public Form {
public:
    static constexpr const char* kName = forms::kExport;
    explicit frmExport(Program& p);
    void cmdExport_Click();
    void cmdCancel_Click();

    static void ask(Program& p, SetsDone done);

private:
    Program& p_;
    SetsDone done_;
};

// "questions.csv": the name a chosen path ends in, for the player's eyes.
std::string shownFileName(const std::string& path);

// The file an export writes: `chosen`, with ".csv" added when it names
// neither CSV nor JSON.
std::string exportFileName(const std::string& chosen);

}  // namespace zv
