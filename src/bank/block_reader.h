#pragma once
// Reads a file block after block. Once a file is longer than one block, a
// second thread reads the next blocks while the caller looks at this one, so
// that looking at a bank costs little more than reading it.

#include <array>
#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>
#include <system_error>
#include <thread>

#include "bank/file_system.h"
#include "bank/record.h"

namespace zv {

// Page-aligned buffers, kept when given back for the next reader of the
// bank: a draw then costs no fresh memory from the system (zeroed pages,
// faults) however often it runs.
char* takeBuffer(std::size_t size);
void giveBuffer(char* buffer, std::size_t size);

class BlockReader {
public:
    static constexpr std::size_t kBlockSize = std::size_t{1} << 20;
    static constexpr std::size_t kPage = 4096;
    // Room before each block for the unfinished line of the one before.
    static constexpr std::size_t kCarry = (kLongestLine + 1 + kPage) / kPage * kPage;

    // A missing file reads as empty; one that cannot be read ends where it
    // fails, and error() says why.
    BlockReader(FileSystem& files, const std::filesystem::path& file);
    ~BlockReader();
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;

    // Makes the next block current, with `carry` (bytes of the current block,
    // at most kCarry) copied to just before its first byte. Returns the
    // start of the block's buffer: the carried bytes end, and the block's
    // `got` bytes start, at kCarry; kPage bytes after them can be read.
    // `got` is 0 at the end of the file.
    char* next(std::string_view carry, std::size_t& got);
    // Why the file could not be read to its end, or no error.
    std::error_code error() const;

private:
    static constexpr int kSlots = 3;
    void readAhead(int slot);
    std::size_t readBlock(int slot);

    std::unique_ptr<File> file_;
    std::error_code error_;  // guarded by mutex_: the read-ahead thread sets it
    std::array<char*, kSlots> slots_{};
    std::array<std::size_t, kSlots> got_{};
    std::array<bool, kSlots> ready_{};
    int current_ = 0;
    bool started_ = false;
    bool ended_ = false;
    bool stop_ = false;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
};

}  // namespace zv
