// findLineSpans for processors with AVX-512BW: a chunk is one load and two
// compares straight into bit masks. This file alone is compiled for it;
// line_spans.cpp calls it only when the processor has it.

#include "bank/line_spans.h"

#include <immintrin.h>

namespace {

inline void chunkMasks(const char* p, std::uint64_t& lineFeeds, std::uint64_t& commas)
{
    const __m512i bytes = _mm512_loadu_si512(p);
    lineFeeds = _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8('\n'));
    commas = _mm512_cmpeq_epi8_mask(bytes, _mm512_set1_epi8(','));
}

#include "bank/line_spans_kernel.h"

}  // namespace

namespace zv {
std::size_t findLineSpansAvx512(const char* data, std::size_t end, SpanScan& scan, LineSpan* out)
{
    return scanLineSpans(data, end, scan, out);
}
}  // namespace zv
