#include "bank/bank_scan.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZARVANA_SSE2 1
#endif

namespace zv {

namespace {
constexpr std::size_t kBlockSize = 1 << 20;

std::FILE* openRead(const std::filesystem::path& p)
{
#ifdef _WIN32
    return _wfopen(p.c_str(), L"rb");
#else
    return std::fopen(p.c_str(), "rb");
#endif
}

// Commas of a line, sixteen bytes at a time where the processor can: this
// count is most of the work of reading a bank.
int countCommas(std::string_view line)
{
    const char* p = line.data();
    const std::size_t n = line.size();
    std::size_t i = 0;
    int count = 0;
#ifdef ZARVANA_SSE2
    // Each byte lane counts its commas (a match is -1, subtracted); the lanes
    // are summed before any could pass 255.
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i zero = _mm_setzero_si128();
    while (i + 16 <= n) {
        __m128i lanes = zero;
        for (int k = 0; k < 255 && i + 16 <= n; ++k, i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, comma));
        }
        const __m128i sums = _mm_sad_epu8(lanes, zero);
        count += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
    }
#endif
    for (; i < n; ++i) count += p[i] == ',';
    return count;
}

// The level a difficulty names: "7" at once, anything else ("07", " 7",
// "7.0") through the number it reads as.
int levelOf(std::string_view d)
{
    if (d.size() == 1 && d[0] >= '1' && d[0] <= '9') return d[0] - '0';
    if (d.size() == 2 && d[0] == '1' && d[1] >= '0' && d[1] <= '5') return 10 + (d[1] - '0');
    const auto v = numberValue(d);
    if (!v || *v < 1 || *v > 15 || *v != static_cast<int>(*v)) return 0;
    return static_cast<int>(*v);
}
}  // namespace

LineProblem viewRecord(std::string_view line, RecordView& view)
{
    if (line.empty() || ((line[0] == ' ' || line[0] == '\t') && line.find_first_not_of(" \t") == std::string_view::npos))
        return LineProblem::Blank;
    if (line.size() > kLongestLine) return LineProblem::TooLong;
    const int commas = countCommas(line);
    if (commas < kDifficulty) return LineProblem::TooFewFields;
    if (commas > 10) return LineProblem::TooManyFields;
    std::size_t start, stop;
    if (commas == kDifficulty) {
        start = line.rfind(',') + 1;
        stop = line.size();
    } else {
        start = 0;
        for (int i = 0; i < kDifficulty; ++i) start = line.find(',', start) + 1;
        stop = line.find(',', start);
    }
    view.line = line;
    view.difficulty = line.substr(start, stop - start);
    view.joined = line.substr(0, stop);
    view.commas = commas;
    view.level = levelOf(view.difficulty);
    if (view.level == 0 && !numberValue(view.difficulty)) return LineProblem::BadDifficulty;
    return LineProblem::None;
}

BlockLines::BlockLines(const std::filesystem::path& file) : file_(openRead(file)), buffer_(kBlockSize)
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

void LastRecord::saw(const RecordView& r)
{
    any_ = true;
    kept_ = false;
    view_ = r.line;
    if (r.commas > kDifficulty) {
        // A line with more than eight fields fills the slots above 7.
        QuestionRecord split;
        const int k = SplitRecord(r.line, split);
        for (int j = kDifficulty + 1; j <= k; ++j) {
            extra_[static_cast<std::size_t>(j)] = split[static_cast<std::size_t>(j)];
            extraSet_[static_cast<std::size_t>(j)] = true;
        }
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
