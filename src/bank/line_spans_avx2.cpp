// findLineSpans for processors with AVX2: a chunk is two 32-byte compares.
// This file alone is compiled for AVX2; line_spans.cpp calls it only when the
// processor has it.

#include "bank/line_spans.h"

#include <immintrin.h>

namespace {

inline void chunkMasks(const char* p, std::uint64_t& lineFeeds, std::uint64_t& commas)
{
    const __m256i lo = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
    const __m256i hi = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32));
    const __m256i lf = _mm256_set1_epi8('\n');
    const __m256i comma = _mm256_set1_epi8(',');
    auto bits = [](__m256i m) { return static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(m))); };
    lineFeeds = bits(_mm256_cmpeq_epi8(lo, lf)) | bits(_mm256_cmpeq_epi8(hi, lf)) << 32;
    commas = bits(_mm256_cmpeq_epi8(lo, comma)) | bits(_mm256_cmpeq_epi8(hi, comma)) << 32;
}

#include "bank/line_spans_kernel.h"

}  // namespace

namespace zv {
std::size_t findLineSpansAvx2(const char* data, std::size_t end, SpanScan& scan, LineSpan* out)
{
    return scanLineSpans(data, end, scan, out);
}
}  // namespace zv
