// The body of findLineSpans, compiled once for each instruction set that the
// program can choose at run time (line_spans.cpp, line_spans_avx2.cpp). Each
// includes it inside an unnamed namespace with its own `chunkMasks`, which
// sets bit i of `lineFeeds` and `commas` for byte i of a 64-byte chunk.
//
// It works in two steps, so that neither has a branch that depends on where
// a line happens to end: first the masks of every chunk, a running count of
// commas and the positions of the line feeds; then one step per line.
//
// No standard library template is used here: a copy of one compiled for a
// newer processor could be the one the linker keeps for the whole program.

#ifdef _MSC_VER
inline unsigned countBits(std::uint64_t m) { return static_cast<unsigned>(__popcnt64(m)); }
inline unsigned lowestBit(std::uint64_t m)
{
    unsigned long i;
    _BitScanForward64(&i, m);
    return static_cast<unsigned>(i);
}
inline unsigned highestBit(std::uint64_t m)
{
    unsigned long i;
    _BitScanReverse64(&i, m);
    return static_cast<unsigned>(i);
}
#else
inline unsigned countBits(std::uint64_t m) { return static_cast<unsigned>(__builtin_popcountll(m)); }
inline unsigned lowestBit(std::uint64_t m) { return static_cast<unsigned>(__builtin_ctzll(m)); }
inline unsigned highestBit(std::uint64_t m) { return 63u - static_cast<unsigned>(__builtin_clzll(m)); }
#endif

constexpr std::size_t kChunks = zv::kSpanStretch / 64;
constexpr std::uint64_t kTopBit = std::uint64_t{1} << 63;

std::size_t scanLineSpans(const char* data, std::size_t end, zv::SpanScan& s, zv::LineSpan* out)
{
    // Step one: per chunk, its commas, the commas before it, its line feeds.
    std::uint64_t masks[kChunks + 1];
    std::uint32_t before[kChunks];
    std::uint32_t feeds[zv::kSpanStretch + 2];
    const std::size_t from = s.at;
    std::size_t chunks = 0, found = 0;
    std::uint32_t seen = s.commasSeen;
    masks[0] = s.lastMask;
    for (std::size_t at = from; at < end && chunks < kChunks; at += 64, ++chunks) {
        std::uint64_t lf, comma;
        chunkMasks(data + at, lf, comma);
        if (end - at < 64) {
            const std::uint64_t inside = (std::uint64_t{1} << (end - at)) - 1;
            lf &= inside;
            comma &= inside;
        }
        masks[chunks + 1] = comma;
        before[chunks] = seen;
        seen += countBits(comma);
        // Most chunks hold no line end or one; two are written every time,
        // the rare rest one by one.
        const std::uint32_t base = static_cast<std::uint32_t>(at);
        const unsigned n = countBits(lf);
        feeds[found] = base + lowestBit(lf | kTopBit);
        lf &= lf - 1;
        feeds[found + 1] = base + lowestBit(lf | kTopBit);
        if (n > 2) {
            lf &= lf - 1;
            for (std::size_t k = found + 2; lf; ++k, lf &= lf - 1) feeds[k] = base + lowestBit(lf);
        }
        found += n;
    }
    // Step two: per line, its commas and its last comma.
    std::uint32_t start = static_cast<std::uint32_t>(s.lineStart);
    std::uint32_t commasBefore = s.commasBefore;
    for (std::size_t i = 0; i < found; ++i) {
        const std::uint32_t stop = feeds[i];
        const std::size_t c = (stop - from) / 64;
        const std::uint32_t base = static_cast<std::uint32_t>(from + c * 64);
        const std::uint64_t mine = masks[c + 1] & ((std::uint64_t{1} << (stop - base)) - 1);
        const std::uint32_t upTo = before[c] + countBits(mine);
        std::uint32_t last = zv::kNoComma;
        if (mine)
            last = base + highestBit(mine);
        else if (masks[c])
            last = base - 64 + highestBit(masks[c]);
        out[i] = zv::LineSpan{start, stop, upTo - commasBefore, last};
        start = stop + 1;
        commasBefore = upTo;
    }
    s.at = from + chunks * 64;
    s.lineStart = start;
    s.commasBefore = commasBefore;
    s.commasSeen = seen;
    s.lastMask = masks[chunks];
    return found;
}
