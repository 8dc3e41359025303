#pragma once
// The files of the question bank in the application folder: the bank
// `imp.zrv`, its working copies and the default bank.
//
// Files are opened in binary mode. Every line written ends with CR LF,
// written explicitly, so the files are the same on every system; on reading,
// a line ends at LF and one CR before it is dropped, so a bank edited with
// bare LF line ends reads the same.

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

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
    explicit BankFolder(std::filesystem::path dir) : dir_(std::move(dir)) {}
    const std::filesystem::path& dir() const { return dir_; }
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
};

// Reads a file line by line in large blocks. The view returned by next()
// stays valid until the following call.
class LineReader {
public:
    explicit LineReader(const std::filesystem::path& file);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    // The next line without its line end, or false at the end of the file.
    bool next(std::string_view& line);
    // 1 for the first line read.
    std::size_t lineNumber() const { return lineNumber_; }

private:
    bool fill();
    std::FILE* file_ = nullptr;
    std::string buffer_;
    std::size_t pos_ = 0;
    std::string line_;
    std::size_t lineNumber_ = 0;
    bool eof_ = false;
    bool started_ = false;
};

// Opens a file with an fopen mode ("rb", "ab" ...), by its wide name on
// Windows so that any folder name works; null when it cannot be opened.
std::FILE* openFile(const std::filesystem::path& file, const char* mode);

// Writes `size` bytes; false when they could not all be written. Every write
// of the bank files goes through here.
bool writeBytes(std::FILE* file, const char* data, std::size_t size);

// For tests: makes the writes fail, as on a full disk, from the moment the
// given function says so (part of a write then reaches the file). Null ends it.
void simulateFullDisk(std::function<bool()> full);

// Writes lines with CR LF through one buffer; the file is written when the
// buffer fills and when the writer is closed or destroyed.
class LineWriter {
public:
    // Truncate empties the file first; Overwrite leaves the same bytes once
    // closed, writing over the old ones and cutting off what is left of them.
    enum class Mode { Truncate, Overwrite, Append };
    LineWriter(const std::filesystem::path& file, Mode mode);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    void write(std::string_view line);
    // False when anything could not be written.
    bool close();

private:
    void flushBuffer();
    std::FILE* file_ = nullptr;
    std::string buffer_;
    std::filesystem::path path_;  // to cut to length, when overwriting
    std::uintmax_t written_ = 0;
    bool failed_ = false;
};

}  // namespace zv
