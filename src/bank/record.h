#pragma once
// One question as a line of the bank, and the fields it splits into.
//
// A record line has eight fields separated by single commas: S. No.,
// question, options A to D, the correct letter, the difficulty. Commas in the
// texts are stored as semicolons. Lines are kept as bytes, exactly as read,
// so that a line split and joined again is the same line byte for byte.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zv {

// Every reader of the bank splits a line into 11 slots; a valid line fills
// 0 to 7, and a split leaves the slots it does not reach as they were.
using QuestionRecord = std::array<std::string, 11>;

enum Field { kSerial = 0, kQuestion = 1, kOptionA = 2, kOptionD = 5, kAnswer = 6, kDifficulty = 7 };

// Splits `line` at its commas into rec(0), rec(1), ... and returns the index
// of the last slot written. Slots above it keep what they held. A line with
// more than 10 commas does not fit: its fields from the 11th on are left in
// slot 10 together, commas and all (readers skip such lines, see below).
int SplitRecord(std::string_view line, QuestionRecord& rec);

// rec(0) to rec(7) joined by commas: the line that is written back.
std::string JoinRecord(const QuestionRecord& rec);

// "," becomes ";" (before a text is stored) and back (before it is shown).
std::string EscapeCommas(std::string_view text);
std::string UnescapeCommas(std::string_view text);

// The value of a number field: blanks around it are allowed, as are a sign,
// a fraction and an exponent ("7", " 7", "7.0"). nullopt when it is not a
// number (empty, letters, "inf").
std::optional<double> numberValue(std::string_view field);

// What is wrong with a line, for the readers that skip unusable lines.
//
// The game does not check what a question says, but it cannot use a line
// whose fields it cannot find: a blank line, a line with fewer than eight
// fields (its missing fields would be taken from the line before), a line
// with more than eleven, one whose difficulty is not a number, or one too
// long to be a question (over 16 KiB; a damaged file can hold megabytes
// without a line end). Readers
// skip such a line as if it were not there; the game board tells the player
// which lines it skipped.
enum class LineProblem { None, Blank, TooFewFields, TooManyFields, BadDifficulty, TooLong };
inline constexpr std::size_t kLongestLine = 16 * 1024;
LineProblem lineProblem(std::string_view line);

}  // namespace zv
