#include "bank/bank_folder.h"

#include <system_error>

namespace zv {

namespace {
constexpr std::size_t kBlock = 1 << 16;

bool openAndClose(const BankFolder& bank, std::string_view name, OpenMode mode)
{
    std::error_code ec;
    std::unique_ptr<File> f = bank.files().open(bank.file(name), mode, ec);
    return f && f->close();
}
}  // namespace

bool BankFolder::ensureExists(std::string_view name) const { return openAndClose(*this, name, OpenMode::Append); }

bool BankFolder::empty(std::string_view name) const { return openAndClose(*this, name, OpenMode::Truncate); }

bool BankFolder::appendLine(std::string_view name, std::string_view line) const
{
    LineWriter w(*this, name, LineWriter::Mode::Append);
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

LineReader::LineReader(FileSystem& files, const std::filesystem::path& file)
{
    std::error_code ec;
    file_ = files.open(file, OpenMode::Read, ec);
    // A missing file reads as an empty one; one that is there but cannot be
    // opened (no permission to read it) cannot be read.
    if (!file_ && ec != std::errc::no_such_file_or_directory) error_ = ec;
}

bool LineReader::fill()
{
    if (eof_ || !file_ || error_) return false;
    buffer_.resize(kBlock);
    std::size_t got = file_->read(buffer_.data(), kBlock);
    if (file_->error()) {
        error_ = file_->error();
        got = 0;
    }
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
            lastLineEnded_ = true;
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
    if (!any || error_) return false;
    // The last line of a file without a final line end.
    lastLineEnded_ = false;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    line = line_;
    ++lineNumber_;
    return true;
}

// ---------------------------------------------------------------- LineWriter

LineWriter::LineWriter(FileSystem& files, const std::filesystem::path& file, Mode mode)
{
    std::error_code ec;
    if (mode == Mode::Overwrite) {
        // Written over from the start and cut to length at the end: a file
        // emptied first is, on some file systems, pushed to the disk whole
        // when it is closed, and a working copy rewritten before every
        // question need not wait for that.
        file_ = files.open(file, OpenMode::Update, ec);
        if (file_) path_ = file;
    }
    if (!file_) file_ = files.open(file, mode == Mode::Append ? OpenMode::Append : OpenMode::Truncate, ec);
    if (!file_) fail(ec);
}

LineWriter::~LineWriter() { close(); }

void LineWriter::fail(std::error_code e)
{
    if (!error_) error_ = e ? e : std::make_error_code(std::errc::io_error);
}

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
    if (!error_) {
        if (file_->write(buffer_.data(), buffer_.size()))
            written_ += buffer_.size();
        else
            fail(file_->error());
    }
    buffer_.clear();
}

bool LineWriter::close()
{
    if (file_) {
        flushBuffer();
        if (!file_->close()) fail(file_->error());
        file_.reset();
        if (!path_.empty()) {
            std::error_code ec;
            std::filesystem::resize_file(path_, written_, ec);
            if (ec) fail(ec);
            path_.clear();
        }
    }
    return !error_;
}

}  // namespace zv
