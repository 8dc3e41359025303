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
    void saw(const RecordView& r);
    // Before the block of the last view is reused.
    void keep();
    void applyTo(QuestionRecord& rec) const;
    // SplitRecord's result for the last usable line (0 when there was none).
    int lastSplit() const;

private:
    std::string_view view_;
    std::string copy_;
    bool any_ = false;
    bool kept_ = false;
    std::array<std::string, 11> extra_;
    std::array<bool, 11> extraSet_{};
};

// ---------------------------------------------------------------- inline

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
