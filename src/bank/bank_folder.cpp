#include "bank/bank_folder.h"

#include <system_error>

namespace zv {

namespace {
constexpr std::size_t kBlock = 1 << 16;
std::function<bool()> fullDisk;
}  // namespace

std::FILE* openFile(const std::filesystem::path& p, const char* mode)
{
#ifdef _WIN32
    std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(p.c_str(), wmode.c_str());
#else
    return std::fopen(p.c_str(), mode);
#endif
}

void simulateFullDisk(std::function<bool()> full) { fullDisk = std::move(full); }

bool writeBytes(std::FILE* file, const char* data, std::size_t size)
{
    if (fullDisk && fullDisk()) {
        std::fwrite(data, 1, size / 2, file);
        return false;
    }
    return std::fwrite(data, 1, size, file) == size;
}

bool BankFolder::ensureExists(std::string_view name) const
{
    std::FILE* f = openFile(file(name), "ab");
    if (!f) return false;
    return std::fclose(f) == 0;
}

bool BankFolder::empty(std::string_view name) const
{
    std::FILE* f = openFile(file(name), "wb");
    if (!f) return false;
    return std::fclose(f) == 0;
}

bool BankFolder::appendLine(std::string_view name, std::string_view line) const
{
    LineWriter w(file(name), LineWriter::Mode::Append);
    if (!w.isOpen()) return false;
    w.write(line);
    return w.close();
}

bool BankFolder::remove(std::string_view name) const
{
    std::error_code ec;
    return std::filesystem::remove(file(name), ec);
}

bool BankFolder::exists(std::string_view name) const
{
    std::error_code ec;
    return std::filesystem::exists(file(name), ec);
}

bool BankFolder::isEmpty(std::string_view name) const
{
    std::error_code ec;
    auto size = std::filesystem::file_size(file(name), ec);
    return ec || size == 0;
}

// ---------------------------------------------------------------- LineReader

LineReader::LineReader(const std::filesystem::path& file) : file_(openFile(file, "rb")) {}

LineReader::~LineReader()
{
    if (file_) std::fclose(file_);
}

bool LineReader::fill()
{
    if (eof_ || !file_) return false;
    buffer_.resize(kBlock);
    std::size_t got = std::fread(buffer_.data(), 1, kBlock, file_);
    buffer_.resize(got);
    pos_ = 0;
    if (got < kBlock) eof_ = true;
    return got > 0;
}

bool LineReader::next(std::string_view& line)
{
    if (!started_) {
        started_ = true;
        // A byte-order mark that another editor put in front of the file is
        // not part of the first line.
        if (fill() && buffer_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
    }
    line_.clear();
    bool any = false;
    for (;;) {
        if (pos_ >= buffer_.size() && !fill()) break;
        any = true;
        std::size_t lf = buffer_.find('\n', pos_);
        if (lf != std::string::npos) {
            if (line_.empty()) {
                // The whole line is in the buffer: no copy.
                line = std::string_view(buffer_).substr(pos_, lf - pos_);
                pos_ = lf + 1;
                if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
                ++lineNumber_;
                return true;
            }
            line_.append(buffer_, pos_, lf - pos_);
            pos_ = lf + 1;
            if (!line_.empty() && line_.back() == '\r') line_.pop_back();
            line = line_;
            ++lineNumber_;
            return true;
        }
        line_.append(buffer_, pos_, std::string::npos);
        pos_ = buffer_.size();
    }
    if (!any || line_.empty()) {
        if (!any) return false;
    }
    // The last line of a file without a final line end.
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    line = line_;
    ++lineNumber_;
    return true;
}

// ---------------------------------------------------------------- LineWriter

LineWriter::LineWriter(const std::filesystem::path& file, Mode mode)
{
    if (mode == Mode::Overwrite) {
        // Written over from the start and cut to length at the end: a file
        // emptied first is, on some file systems, pushed to the disk whole
        // when it is closed, and a working copy rewritten before every
        // question need not wait for that.
        file_ = openFile(file, "r+b");
        if (file_) path_ = file;
    }
    if (!file_) file_ = openFile(file, mode == Mode::Append ? "ab" : "wb");
    failed_ = file_ == nullptr;
}

LineWriter::~LineWriter() { close(); }

void LineWriter::write(std::string_view line)
{
    buffer_.append(line);
    buffer_.append("\r\n");
    if (buffer_.size() >= kBlock) flushBuffer();
}

void LineWriter::flushBuffer()
{
    if (!file_ || buffer_.empty()) return;
    // After a failed write nothing more is written: an overwritten file is
    // then cut after the last whole block that was.
    if (!failed_) {
        if (writeBytes(file_, buffer_.data(), buffer_.size()))
            written_ += buffer_.size();
        else
            failed_ = true;
    }
    buffer_.clear();
}

bool LineWriter::close()
{
    if (file_) {
        flushBuffer();
        if (std::fclose(file_) != 0) failed_ = true;
        file_ = nullptr;
        if (!path_.empty()) {
            std::error_code ec;
            std::filesystem::resize_file(path_, written_, ec);
            if (ec) failed_ = true;
            path_.clear();
        }
    }
    return !failed_;
}

}  // namespace zv
