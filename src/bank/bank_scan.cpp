#include "bank/bank_scan.h"

#include "bank/bank_folder.h"

#include <algorithm>
#include <cstring>


namespace zv {

namespace {
constexpr std::size_t kBlockSize = 1 << 20;

}  // namespace

BlockLines::BlockLines(const std::filesystem::path& file) : file_(openFile(file, "rb")), buffer_(kBlockSize)
{
    eof_ = file_ == nullptr;
}

BlockLines::~BlockLines()
{
    if (file_) std::fclose(file_);
}

bool BlockLines::refill()
{
    // The unfinished line moves to the front; a line longer than the block
    // makes the block grow.
    const std::size_t rest = end_ - begin_;
    if (begin_ > 0) std::memmove(buffer_.data(), buffer_.data() + begin_, rest);
    begin_ = 0;
    end_ = rest;
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    const std::size_t got = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
    end_ += got;
    if (got == 0) eof_ = true;
    if (first_) {
        first_ = false;
        if (end_ >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0) begin_ = 3;
    }
    return got > 0;
}

void LastRecord::sawLong(const RecordView& r)
{
    // A line with more than eight fields fills the slots above 7.
    QuestionRecord split;
    const int k = SplitRecord(r.line, split);
    for (int j = kDifficulty + 1; j <= k; ++j) {
        extra_[static_cast<std::size_t>(j)] = split[static_cast<std::size_t>(j)];
        extraSet_[static_cast<std::size_t>(j)] = true;
    }
}

void LastRecord::keep()
{
    if (any_ && !kept_) {
        copy_.assign(view_);
        view_ = copy_;
        kept_ = true;
    }
}

void LastRecord::applyTo(QuestionRecord& rec) const
{
    if (!any_) return;
    const int k = SplitRecord(view_, rec);
    for (int j = k + 1; j <= 10; ++j)
        if (extraSet_[static_cast<std::size_t>(j)]) rec[static_cast<std::size_t>(j)] = extra_[static_cast<std::size_t>(j)];
}

int LastRecord::lastSplit() const
{
    if (!any_) return 0;
    return std::min(10, static_cast<int>(std::count(view_.begin(), view_.end(), ',')));
}

}  // namespace zv
