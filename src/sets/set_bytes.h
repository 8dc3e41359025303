#pragma once
// The bytes of a set file, a block at a time, so that a file of any size
// costs one block of memory; and the limits past which a file is refused
// before the rest of it is read: a field far longer than anything the board
// shows, a file bigger than any question set, the bytes of a binary file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "bank/file_system.h"
#include "bank/record.h"

namespace zv::sets {

// A field of a set may hold an explanation, but nothing near a bank line's
// limit: the board shows 160 characters of a question.
inline constexpr std::size_t kLongestField = kLongestLine;
inline constexpr std::uint64_t kLargestSet = std::uint64_t{256} << 20;

// A byte no text file holds: the controls other than tab and line ends.
inline bool isBinaryByte(unsigned char c) { return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F; }

// One wording for each way a whole file is refused, whatever its format.
std::string binaryReason(std::size_t line = 0);  // 0: no line named
std::string tooLongReason(std::size_t line);
std::string tooLargeReason();
std::string unreadableReason(std::error_code error);
inline constexpr const char* kEmptyReason = "the file is empty";

class SetBytes {
public:
    SetBytes(FileSystem& files, const std::filesystem::path& file);
    // The next block; empty at the end of the file, where it cannot be read
    // further, and past kLargestSet.
    std::string_view next();
    // Why the file could not be opened or read to its end.
    std::error_code error() const { return error_; }
    // More than kLargestSet bytes: the rest was not read.
    bool tooLarge() const { return tooLarge_; }

private:
    std::unique_ptr<File> file_;
    std::vector<char> block_;
    std::error_code error_;
    std::uint64_t total_ = 0;
    bool tooLarge_ = false;
};

}  // namespace zv::sets
