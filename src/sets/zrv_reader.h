#pragma once
// Another bank as a question set: the lines of a .zrv file, with the
// explanations and categories of the extras file beside it, if any.

#include <filesystem>

#include "bank/file_system.h"
#include "sets/set_question.h"

namespace zv::sets {

// Each line the game would skip is a problem, and so is a question it
// could not ask whole (an answer other than A to D, a level outside 1 to
// 15, a text longer than the board shows).
ParsedSet readZrv(FileSystem& files, const std::filesystem::path& file);

}  // namespace zv::sets
