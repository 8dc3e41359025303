#pragma once
// Question sets in JSON: our own form and the common trivia-database form
// (see json_items.h). The file is looked at as it is read and refused as
// soon as it shows itself hostile (a binary file, a text far longer than the
// board shows, nesting no question set needs); then it is parsed, and each
// item is taken as soon as it is whole.

#include <filesystem>
#include <functional>

#include "bank/file_system.h"
#include "sets/set_question.h"

namespace zv::sets {

ParsedSet readJson(FileSystem& files, const std::filesystem::path& file, const std::function<double()>& random);

}  // namespace zv::sets
