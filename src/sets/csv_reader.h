#pragma once
// Question sets in CSV, as spreadsheets write them (RFC 4180): a header row
// naming the columns, fields in quotes when they hold commas, quotes or line
// breaks, a quote inside quotes doubled. The columns go by their names, in
// any order:
//
//   question,option_a,option_b,option_c,option_d,answer,level[,explanation][,category]
//
// The file is UTF-8 (with or without a byte-order mark) when it is valid
// UTF-8, and Windows-1252 otherwise, as older spreadsheets save it.

#include <filesystem>

#include "bank/file_system.h"
#include "sets/set_question.h"

namespace zv::sets {

ParsedSet readCsv(FileSystem& files, const std::filesystem::path& file);

}  // namespace zv::sets
