#include "bank/bank_scan.h"

#include <algorithm>
#include <cstring>

namespace zv {

namespace {
constexpr std::size_t kSpanBytes = kSpanStretch * sizeof(LineSpan);
}

BlockLines::BlockLines(FileSystem& files, const std::filesystem::path& file)
    : reader_(files, file), spans_(reinterpret_cast<LineSpan*>(takeBuffer(kSpanBytes)))
{
}

BlockLines::~BlockLines() { giveBuffer(reinterpret_cast<char*>(spans_), kSpanBytes); }

void BlockLines::refill()
{
    // The unfinished line moves to just before the next block. If it is
    // already too long to be a question, only its last byte is kept (it may
    // be the CR before the line feed still to come): what the line is no
    // longer depends on the rest.
    std::string_view rest;
    if (buffer_) rest = std::string_view(buffer_ + begin_, end_ - begin_);
    if (rest.size() > kLongestLine + 1) {
        overlongBlank_ = overlongBlank_ && scan_detail::allBlanks(rest.substr(0, rest.size() - 1));
        overlong_ = true;
        rest = rest.substr(rest.size() - 1);
    }
    std::size_t got = 0;
    buffer_ = reader_.next(rest, got);
    begin_ = BlockReader::kCarry - rest.size();
    end_ = BlockReader::kCarry + got;
    if (got == 0) eof_ = true;
    if (first_) {
        first_ = false;
        if (got >= 3 && std::memcmp(buffer_ + BlockReader::kCarry, "\xEF\xBB\xBF", 3) == 0) begin_ += 3;
    }
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
        copy_.assign(lastData_, lastSize_);
        lastData_ = copy_.data();
        kept_ = true;
    }
}

void LastRecord::applyTo(QuestionRecord& rec) const
{
    if (!any_) return;
    const int k = SplitRecord(std::string_view(lastData_, lastSize_), rec);
    for (int j = k + 1; j <= 10; ++j)
        if (extraSet_[static_cast<std::size_t>(j)]) rec[static_cast<std::size_t>(j)] = extra_[static_cast<std::size_t>(j)];
}

int LastRecord::lastSplit() const
{
    if (!any_) return 0;
    return std::min(10, static_cast<int>(std::count(lastData_, lastData_ + lastSize_, ',')));
}

}  // namespace zv
