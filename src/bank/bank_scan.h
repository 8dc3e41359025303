#pragma once
// One pass over the bank, as fast as the file can be read: the bank is read
// in large blocks (the next one read ahead while this one is looked at), the
// line ends and commas of a block are found 64 bytes at a time, and each
// line is looked at in place, without copying it or splitting it into
// strings. Every reader that walks the whole bank (the draw, the bank
// check, the count per level) is built on it.

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "bank/block_reader.h"
#include "bank/line_spans.h"
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

// Reads the bank in large blocks and tells what each line is. A line ends
// at LF; a CR before it is dropped; a byte-order mark at the start is
// skipped. A line longer than any question is not kept whole in memory, so
// a damaged file without line ends costs no more than a good one.
class BlockLines {
public:
    BlockLines(FileSystem& files, const std::filesystem::path& file);
    ~BlockLines();
    BlockLines(const BlockLines&) = delete;
    BlockLines& operator=(const BlockLines&) = delete;

    // Calls onLine(problem, view, number) for every line (numbered from 1),
    // `view` filled when the problem is None, its texts valid until the
    // next call. Before the block holding earlier lines is reused, keep() is
    // called, so a caller can copy a view it wants to keep.
    template <class OnLine, class Keep>
    void forEachRecord(OnLine&& onLine, Keep&& keep);
    // Why the file could not be read to its end (its lines were then seen
    // only up to there), or no error.
    std::error_code error() const { return reader_.error(); }

private:
    void refill();
    BlockReader reader_;
    char* buffer_ = nullptr;  // the block being looked at
    LineSpan* spans_;         // room for kSpanStretch
    std::size_t begin_ = 0, end_ = 0;
    bool eof_ = false;
    bool first_ = true;
    // The line being read was longer than any question; its start was let go.
    bool overlong_ = false;
    bool overlongBlank_ = true;  // and all of that start was blanks
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
        // Kept as two words: copied as one, the read of a view just written
        // waits for the write.
        lastData_ = r.line.data();
        lastSize_ = r.line.size();
        if (r.commas > kDifficulty) sawLong(r);
    }
    // Before the block of the last view is reused.
    void keep();
    void applyTo(QuestionRecord& rec) const;
    // SplitRecord's result for the last usable line (0 when there was none).
    int lastSplit() const;

private:
    void sawLong(const RecordView& r);
    const char* lastData_ = nullptr;
    std::size_t lastSize_ = 0;
    std::string copy_;
    bool any_ = false;
    bool kept_ = false;
    std::array<std::string, 11> extra_;
    std::array<bool, 11> extraSet_{};
};

// ---------------------------------------------------------------- inline

namespace scan_detail {
// The per-line steps must be inlined into the loop over a batch: called,
// their results go through memory and the next read of them stalls.
#if defined(__GNUC__)
#define ZARVANA_INLINE inline __attribute__((always_inline))
#else
#define ZARVANA_INLINE inline
#endif

// The level a difficulty names: "7" at once, anything else ("07", " 7",
// "7.0") through the number it reads as.
ZARVANA_INLINE int levelOf(std::string_view d)
{
    if (d.size() == 1 && d[0] >= '1' && d[0] <= '9') return d[0] - '0';
    if (d.size() == 2 && d[0] == '1' && d[1] >= '0' && d[1] <= '5') return 10 + (d[1] - '0');
    const auto v = numberValue(d);
    if (!v || *v < 1 || *v > 15 || *v != static_cast<int>(*v)) return 0;
    return static_cast<int>(*v);
}

inline bool allBlanks(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// What a line is, from what the scan found: the same answer as
// lineProblem(), without walking a usual line again.
ZARVANA_INLINE LineProblem viewSpan(const char* block, const LineSpan& span, RecordView& view)
{
    std::size_t stop = span.stop;
    if (stop > span.start && block[stop - 1] == '\r') --stop;
    const std::string_view line(block + span.start, stop - span.start);
    const int commas = static_cast<int>(span.commas);
    if (commas < kDifficulty) {
        if (allBlanks(line)) return LineProblem::Blank;
        return line.size() > kLongestLine ? LineProblem::TooLong : LineProblem::TooFewFields;
    }
    if (line.size() > kLongestLine) return LineProblem::TooLong;
    if (commas > 10) return LineProblem::TooManyFields;
    std::size_t from, to;
    if (commas == kDifficulty && span.lastComma != kNoComma) {
        // The usual line: the difficulty is the last field.
        from = span.lastComma + 1 - span.start;
        to = line.size();
    } else {
        from = 0;
        for (int i = 0; i < kDifficulty; ++i) from = line.find(',', from) + 1;
        to = commas == kDifficulty ? line.size() : line.find(',', from);
    }
    view.line = line;
    view.difficulty = line.substr(from, to - from);
    view.joined = line.substr(0, to);
    view.commas = commas;
    view.level = levelOf(view.difficulty);
    if (view.level == 0 && !numberValue(view.difficulty)) return LineProblem::BadDifficulty;
    return LineProblem::None;
}
}  // namespace scan_detail
#undef ZARVANA_INLINE

template <class OnLine, class Keep>
void BlockLines::forEachRecord(OnLine&& onLine, Keep&& keep)
{
    RecordView view;
    std::size_t number = 0;
    // The end of a line whose start was let go: too long, unless all blanks.
    auto overlongEnds = [&](std::string_view rest) {
        if (!rest.empty() && rest.back() == '\r') rest.remove_suffix(1);
        const bool blank = overlongBlank_ && scan_detail::allBlanks(rest);
        overlong_ = false;
        overlongBlank_ = true;
        onLine(blank ? LineProblem::Blank : LineProblem::TooLong, view, ++number);
    };
    refill();
    for (;;) {
        const char* block = buffer_;
        SpanScan scan;
        scan.at = scan.lineStart = begin_;
        while (scan.at < end_) {
            const std::size_t found = findLineSpans(block, end_, scan, spans_);
            std::size_t i = 0;
            if (found > 0 && overlong_) {
                overlongEnds(std::string_view(block + begin_, spans_[0].stop - begin_));
                i = 1;
            }
            for (; i < found; ++i) {
                RecordView line;  // one per line, so that it lives in registers
                const LineProblem problem = scan_detail::viewSpan(block, spans_[i], line);
                onLine(problem, line, ++number);
            }
        }
        begin_ = scan.lineStart;
        if (eof_) {
            if (overlong_) {
                overlongEnds(std::string_view(block + begin_, end_ - begin_));
            } else if (begin_ < end_) {
                // The last line, without a line feed.
                const LineSpan last{static_cast<std::uint32_t>(begin_), static_cast<std::uint32_t>(end_),
                                    scan.openCommas(), kNoComma};
                const LineProblem problem = scan_detail::viewSpan(block, last, view);
                onLine(problem, view, ++number);
            }
            return;
        }
        keep();
        refill();
    }
}

}  // namespace zv
