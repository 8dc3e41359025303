#pragma once
// How the bank code opens its files. The program works on the system's
// files; a test puts a file system of its own into the bank folder that
// fails a chosen read or write, as a damaged disk or a full one does,
// without changing anything for the rest of the process.

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace zv {

// An open file. What went wrong first is kept in error().
class File {
public:
    virtual ~File() = default;
    // Up to `size` bytes: fewer at the end of the file, and fewer with
    // error() set when the file could not be read.
    virtual std::size_t read(char* data, std::size_t size) = 0;
    // False, with error() set, when not every byte could be written.
    virtual bool write(const char* data, std::size_t size) = 0;
    // Closes the file; false when what was written could not all be kept.
    virtual bool close() = 0;
    virtual std::error_code error() const = 0;
};

enum class OpenMode {
    Read,      // from the start
    Truncate,  // created, or emptied
    Append,    // created if need be, written at the end
    Update,    // an existing file, written over from its start
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Null, with `error` set, when the file cannot be opened.
    virtual std::unique_ptr<File> open(const std::filesystem::path& file, OpenMode mode, std::error_code& error) = 0;
};

// The system's files. One file may be read on another thread than the one
// that opened it.
FileSystem& systemFiles();

// Opens a file with an fopen mode ("rb", "ab" ...), by its wide name on
// Windows so that any folder name works; null when it cannot be opened.
std::FILE* openFile(const std::filesystem::path& file, const char* mode);

// Why a file could not be read or written, as the player is told it: "the
// disk is full", "permission denied", or else the system's own words.
std::string plainReason(std::error_code error);

// Makes a file's bytes safe on the disk, before it replaces another by a
// rename: a rename of a file still in the system's cache can survive a power
// cut that its bytes do not.
std::error_code flushToDisk(const std::filesystem::path& file);
// Makes a folder's entries (a rename just done) safe on the disk.
void flushFolder(const std::filesystem::path& dir);

// The error the C library reported last, never "no error": a failure it did
// not explain is an input/output error.
std::error_code lastSystemError();

}  // namespace zv
