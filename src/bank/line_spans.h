#pragma once
// The innermost loop of every reader of the whole bank: where each line ends,
// how many commas it has and where its last comma is, found 64 bytes at a
// time as bit masks. What a reader then does with a line starts from these
// few numbers, so a usual line's bytes are not walked again.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zv {

// A line found in a block: bytes [start, stop), the line feed not included;
// how many commas it has; where its last comma is, or kNoComma when the
// scan did not see it near the line's end (the reader then looks itself).
// Offsets are from the start of the block.
struct LineSpan {
    std::uint32_t start, stop;
    std::uint32_t commas;
    std::uint32_t lastComma;
};
inline constexpr std::uint32_t kNoComma = 0xFFFFFFFF;

// Where the scan of a block stands between calls.
struct SpanScan {
    std::size_t at = 0;           // the next 64-byte chunk
    std::size_t lineStart = 0;    // the start of the line not yet ended
    std::uint32_t commasSeen = 0; // commas from the scan's start to `at`
    std::uint32_t commasBefore = 0;  // commas before lineStart
    std::uint64_t lastMask = 0;   // the commas of the chunk before `at`
    // The commas of the line not yet ended.
    std::uint32_t openCommas() const { return commasSeen - commasBefore; }
};

// Bytes one call looks at, at most; a call finds no more lines than that.
inline constexpr std::size_t kSpanStretch = 8192;
inline constexpr std::size_t kScanSlack = 64;  // bytes readable after a block's end

// Finds the lines that end in the next kSpanStretch bytes of data[scan.at,
// end), writes them to `out` (room for kSpanStretch spans) and returns how
// many. The scan is done when scan.at >= end. `data` must be readable up to
// end + kScanSlack; the bytes after `end` are ignored.
std::size_t findLineSpans(const char* data, std::size_t end, SpanScan& scan, LineSpan* out);
// The same built for AVX2 and for AVX-512 (line_spans_avx2.cpp,
// line_spans_avx512.cpp): called only on processors that have them.
std::size_t findLineSpansAvx2(const char* data, std::size_t end, SpanScan& scan, LineSpan* out);
std::size_t findLineSpansAvx512(const char* data, std::size_t end, SpanScan& scan, LineSpan* out);

// The versions of the scan that this processor can run, the fastest first
// (the one used); another can be chosen, so that tests try them all.
enum class LineScan { Avx512, Avx2, Plain };
std::vector<LineScan> lineScans();
void useLineScan(LineScan kind);

}  // namespace zv
