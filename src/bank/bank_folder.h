#pragma once
// The files of the question bank in the application folder: the bank
// `imp.zrv`, its working copies and the default bank.
//
// Files are opened in binary mode. Every line written ends with CR LF,
// written explicitly, so the files are the same on every system; on reading,
// a line ends at LF and one CR before it is dropped, so a bank edited with
// bare LF line ends reads the same.
//
// The folder opens its files through the file system it holds: the
// system's own, or one a test puts in to fail a chosen read or write.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "bank/file_system.h"

namespace zv {

namespace bankfile {
inline constexpr std::string_view kBank = "imp.zrv";
inline constexpr std::string_view kDrawCopy = "q2.zrv";     // the questions of the level being drawn
inline constexpr std::string_view kLevelCopy = "temp.zrv";  // the questions of the level being checked
inline constexpr std::string_view kListMarker = "q.zrv";    // made by the editor's list, holds nothing
inline constexpr std::string_view kRebuilt = "old.zrv";     // the bank rebuilt by a delete
inline constexpr std::string_view kDefault = "default.zrv";
inline constexpr std::string_view kBackup = "can_be_deleted.zrv";
}  // namespace bankfile

class BankFolder {
public:
    explicit BankFolder(std::filesystem::path dir, FileSystem& files = systemFiles())
        : dir_(std::move(dir)), files_(&files)
    {
    }
    const std::filesystem::path& dir() const { return dir_; }
    FileSystem& files() const { return *files_; }
    void setFiles(FileSystem& files) { files_ = &files; }
    std::filesystem::path file(std::string_view name) const { return dir_ / std::string(name); }

    // Opens the file for appending and closes it: creates an empty file if
    // there is none, leaves an existing one as it is. Every reader of the
    // bank does this first, so a missing bank reads as an empty one.
    bool ensureExists(std::string_view name) const;
    // Opens the file for output and closes it: created or truncated.
    bool empty(std::string_view name) const;
    // Appends one line and its CR LF.
    bool appendLine(std::string_view name, std::string_view line) const;
    // Deletes the file; false (and nothing else) when it cannot.
    bool remove(std::string_view name) const;
    bool exists(std::string_view name) const;
    // True when the file has no bytes (or cannot be read).
    bool isEmpty(std::string_view name) const;

private:
    std::filesystem::path dir_;
    FileSystem* files_;
};

// Reads a file line by line in large blocks. The view returned by next()
// stays valid until the following call.
class LineReader {
public:
    LineReader(FileSystem& files, const std::filesystem::path& file);
    LineReader(const BankFolder& bank, std::string_view name) : LineReader(bank.files(), bank.file(name)) {}
    explicit LineReader(const std::filesystem::path& file) : LineReader(systemFiles(), file) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // False for a file that does not exist or could not be opened.
    bool isOpen() const { return file_ != nullptr; }
    // The next line without its line end, or false at the end of the file
    // and when the file cannot be read any further.
    bool next(std::string_view& line);
    // 1 for the first line read.
    std::size_t lineNumber() const { return lineNumber_; }
    // Why the file could not be read: it could not be opened (a missing file
    // is not an error: it reads as an empty one), or a read failed. Lines
    // read before a failure are no guide to the file.
    std::error_code error() const { return error_; }
    // The last line read ended with a line end (false for an empty file).
    bool lastLineEnded() const { return lastLineEnded_; }

private:
    bool fill();
    std::unique_ptr<File> file_;
    std::error_code error_;
    std::string buffer_;
    std::size_t pos_ = 0;
    std::string line_;
    std::size_t lineNumber_ = 0;
    bool eof_ = false;
    bool started_ = false;
    bool lastLineEnded_ = false;
};

// Writes lines with CR LF through one buffer; the file is written when the
// buffer fills and when the writer is closed or destroyed.
class LineWriter {
public:
    // Truncate empties the file first; Overwrite leaves the same bytes once
    // closed, writing over the old ones and cutting off what is left of them.
    enum class Mode { Truncate, Overwrite, Append };
    LineWriter(FileSystem& files, const std::filesystem::path& file, Mode mode);
    LineWriter(const BankFolder& bank, std::string_view name, Mode mode) : LineWriter(bank.files(), bank.file(name), mode) {}
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    void write(std::string_view line);
    // False when anything could not be written; error() then says why.
    bool close();
    std::error_code error() const { return error_; }

private:
    void flushBuffer();
    void fail(std::error_code e);
    std::unique_ptr<File> file_;
    std::string buffer_;
    std::filesystem::path path_;  // to cut to length, when overwriting
    std::uintmax_t written_ = 0;
    std::error_code error_;
};

}  // namespace zv
