#pragma once
// One pass over the bank, as fast as the file can be read: the bank is read
// in large blocks, and each line is looked at in place, without copying it
// or splitting it into strings. Every reader that walks the whole bank (the
// draw, the bank check, the count per level) is built on it.

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZARVANA_SSE2 1
#endif

#include "bank/record.h"

namespace zv {

// A usable line of the bank, seen in place.
struct RecordView {
    std::string_view line;
    std::string_view difficulty;  // field 7
    std::string_view joined;      // fields 0 to 7, as JoinRecord rebuilds them
    int commas = 0;               // 7 to 10
    // The level the difficulty names as a number (1 to 15), or 0.
    int level = 0;
};

// Looks at a line; returns what is wrong with it, or None and fills `view`.
LineProblem viewRecord(std::string_view line, RecordView& view);

// Reads a file's lines in large blocks. A line ends at LF; a CR before it is
// dropped; a byte-order mark at the start is skipped.
class BlockLines {
public:
    explicit BlockLines(const std::filesystem::path& file);
    ~BlockLines();
    BlockLines(const BlockLines&) = delete;
    BlockLines& operator=(const BlockLines&) = delete;

    // Calls onLine(line, number) for every line; `line` stays valid until
    // the next call. Before the block holding earlier lines is reused,
    // keep() is called, so a caller can copy a view it wants to keep.
    template <class OnLine, class Keep>
    void forEach(OnLine&& onLine, Keep&& keep);

private:
    bool refill();
    std::FILE* file_ = nullptr;
    std::vector<char> buffer_;
    std::size_t begin_ = 0, end_ = 0;
    bool eof_ = false;
    bool first_ = true;
};

// The end state of the record that every reader splits each usable line
// into: the fields of the last usable line, with the higher slots of the
// last lines that reached them.
class LastRecord {
public:
    void saw(const RecordView& r)
    {
        any_ = true;
        kept_ = false;
        view_ = r.line;
        if (r.commas > kDifficulty) sawLong(r);
    }
    // Before the block of the last view is reused.
    void keep();
    void applyTo(QuestionRecord& rec) const;
    // SplitRecord's result for the last usable line (0 when there was none).
    int lastSplit() const;

private:
    void sawLong(const RecordView& r);
    std::string_view view_;
    std::string copy_;
    bool any_ = false;
    bool kept_ = false;
    std::array<std::string, 11> extra_;
    std::array<bool, 11> extraSet_{};
};

// ---------------------------------------------------------------- inline

namespace scan_detail {
// Commas of a line, sixteen bytes at a time where the processor can: this
// count is most of the work of reading a bank.
inline int countCommas(std::string_view line)
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
inline int levelOf(std::string_view d)
{
    if (d.size() == 1 && d[0] >= '1' && d[0] <= '9') return d[0] - '0';
    if (d.size() == 2 && d[0] == '1' && d[1] >= '0' && d[1] <= '5') return 10 + (d[1] - '0');
    const auto v = numberValue(d);
    if (!v || *v < 1 || *v > 15 || *v != static_cast<int>(*v)) return 0;
    return static_cast<int>(*v);
}
}  // namespace scan_detail

inline LineProblem viewRecord(std::string_view line, RecordView& view)
{
    if (line.empty() || ((line[0] == ' ' || line[0] == '\t') && line.find_first_not_of(" \t") == std::string_view::npos))
        return LineProblem::Blank;
    if (line.size() > kLongestLine) return LineProblem::TooLong;
    const int commas = scan_detail::countCommas(line);
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
    view.level = scan_detail::levelOf(view.difficulty);
    if (view.level == 0 && !numberValue(view.difficulty)) return LineProblem::BadDifficulty;
    return LineProblem::None;
}


template <class OnLine, class Keep>
void BlockLines::forEach(OnLine&& onLine, Keep&& keep)
{
    std::size_t number = 0;
    for (;;) {
        const char* base = buffer_.data();
        const void* lf = begin_ < end_ ? std::memchr(base + begin_, '\n', end_ - begin_) : nullptr;
        if (!lf) {
            if (eof_) {
                if (begin_ < end_) {
                    std::string_view line(base + begin_, end_ - begin_);
                    if (line.back() == '\r') line.remove_suffix(1);
                    onLine(line, ++number);
                    begin_ = end_;
                }
                return;
            }
            keep();
            if (!refill()) continue;
            continue;
        }
        const std::size_t at = static_cast<std::size_t>(static_cast<const char*>(lf) - base);
        std::string_view line(base + begin_, at - begin_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        begin_ = at + 1;
        onLine(line, ++number);
    }
}

}  // namespace zv
