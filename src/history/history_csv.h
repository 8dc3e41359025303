#pragma once
// The record as one CSV file (RFC 4180, UTF-8) for a spreadsheet: a row for
// every question shown, with its game's columns first; a game with no
// question shown has one row with the answer's columns empty.

#include <filesystem>
#include <string>

#include "history/history_db.h"

namespace zv::history {

// Writes the whole record to `file` in one rename. Empty on success, else
// why it could not be written.
std::string exportCsv(const HistoryDb& db, const std::filesystem::path& file);

// A field quoted when it holds a comma, a quote or a line break.
std::string csvField(const std::string& text);

}  // namespace zv::history
