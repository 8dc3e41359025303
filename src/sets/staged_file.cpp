#include "sets/staged_file.h"

namespace zv::sets {

namespace {
constexpr std::size_t kBuffer = std::size_t{1} << 20;
}

StagedFile::StagedFile(FileSystem& files, std::filesystem::path staged) : staged_(std::move(staged))
{
    file_ = files.open(staged_, OpenMode::Truncate, error_);
    buffer_.reserve(kBuffer);
}

StagedFile::~StagedFile()
{
    file_.reset();
    if (!placed_) {
        std::error_code ignored;
        std::filesystem::remove(staged_, ignored);
    }
}

void StagedFile::write(std::string_view bytes)
{
    if (error_) return;
    buffer_ += bytes;
    if (buffer_.size() >= kBuffer) flushBuffer();
}

void StagedFile::flushBuffer()
{
    if (!error_ && !buffer_.empty() && !file_->write(buffer_.data(), buffer_.size())) error_ = file_->error();
    buffer_.clear();
}

std::error_code StagedFile::finish()
{
    flushBuffer();
    if (file_ && !file_->close() && !error_) error_ = file_->error() ? file_->error() : lastSystemError();
    file_.reset();
    if (!error_) error_ = flushToDisk(staged_);
    return error_;
}

std::error_code StagedFile::putInPlace(const std::filesystem::path& target)
{
    std::error_code error;
    std::filesystem::rename(staged_, target, error);
    if (error) return error;
    placed_ = true;
    flushFolder(target.parent_path());
    return {};
}

}  // namespace zv::sets
