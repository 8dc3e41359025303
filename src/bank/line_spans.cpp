#include "bank/line_spans.h"

#include <vector>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZARVANA_X86 1
#endif

namespace {

#ifdef ZARVANA_X86
// Every x86-64 processor has SSE2: a chunk is four 16-byte compares.
inline void chunkMasks(const char* p, std::uint64_t& lineFeeds, std::uint64_t& commas)
{
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i comma = _mm_set1_epi8(',');
    lineFeeds = commas = 0;
    for (int i = 0; i < 4; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        lineFeeds |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lf)))) << (16 * i);
        commas |= static_cast<std::uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, comma)))) << (16 * i);
    }
}
#else
inline void chunkMasks(const char* p, std::uint64_t& lineFeeds, std::uint64_t& commas)
{
    lineFeeds = commas = 0;
    for (int i = 0; i < 64; ++i) {
        lineFeeds |= static_cast<std::uint64_t>(p[i] == '\n') << i;
        commas |= static_cast<std::uint64_t>(p[i] == ',') << i;
    }
}
#endif

#include "bank/line_spans_kernel.h"

}  // namespace

namespace zv {

namespace {
using Scan = std::size_t (*)(const char*, std::size_t, SpanScan&, LineSpan*);

Scan scanOf(LineScan kind)
{
    switch (kind) {
#ifdef ZARVANA_WIDE_SCANS
    case LineScan::Avx512: return findLineSpansAvx512;
    case LineScan::Avx2: return findLineSpansAvx2;
#endif
    default: return scanLineSpans;
    }
}

Scan& chosen()
{
    static Scan scan = scanOf(lineScans().front());
    return scan;
}
}  // namespace

std::vector<LineScan> lineScans()
{
    std::vector<LineScan> kinds;
#ifdef ZARVANA_WIDE_SCANS
    __builtin_cpu_init();
    const bool bits = __builtin_cpu_supports("bmi") && __builtin_cpu_supports("popcnt");
    if (bits && __builtin_cpu_supports("avx512bw")) kinds.push_back(LineScan::Avx512);
    if (bits && __builtin_cpu_supports("avx2")) kinds.push_back(LineScan::Avx2);
#endif
    kinds.push_back(LineScan::Plain);
    return kinds;
}

void useLineScan(LineScan kind) { chosen() = scanOf(kind); }

std::size_t findLineSpans(const char* data, std::size_t end, SpanScan& scan, LineSpan* out)
{
    return chosen()(data, end, scan, out);
}

}  // namespace zv
