#pragma once
// A file that is never seen half written: it is written in full under a
// name of its own beside its place, flushed to the disk, and only then put
// in its place by one rename. Until then the file it replaces is untouched;
// a staged file never put in place is removed.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "bank/file_system.h"

namespace zv::sets {

class StagedFile {
public:
    StagedFile(FileSystem& files, std::filesystem::path staged);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    void write(std::string_view bytes);
    // Closes the file and flushes it to the disk: the first error of any
    // write, or none.
    std::error_code finish();
    // Renames the finished file over `target`.
    std::error_code putInPlace(const std::filesystem::path& target);
    const std::filesystem::path& path() const { return staged_; }

private:
    void flushBuffer();
    std::filesystem::path staged_;
    std::unique_ptr<File> file_;
    std::string buffer_;
    std::error_code error_;
    bool placed_ = false;
};

}  // namespace zv::sets
