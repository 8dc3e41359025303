#include "sets/csv_reader.h"

#include <algorithm>
#include <optional>

#include "sets/question_checks.h"
#include "sets/set_bytes.h"
#include "toolkit/text_encoding.h"

namespace zv::sets {

namespace {

constexpr std::size_t kMostFields = 64;
constexpr std::size_t kRequired = 7;  // question to level; explanation and category may be left out

class CsvReader {
public:
    explicit CsvReader(ParsedSet& set) : set_(set) { column_.fill(kNone); }

    // False once the file is refused: the rest of it is not read.
    bool feed(std::string_view bytes)
    {
        if (first_) {
            first_ = false;
            if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
        }
        for (const char c : bytes)
            if (!take(c)) return false;
        return true;
    }

    // The end of the file: its questions checked, in UTF-8.
    void finish()
    {
        if (refused_) return;
        if (state_ == State::Quoted) {
            refuse(quoteLine_, "a field opens a quote on line " + std::to_string(quoteLine_) + " that is never closed");
            return;
        }
        if (rowStarted_) {  // the last line, without a line end
            endField();
            endRow();
        }
        if (refused_) return;
        if (!header_) {
            if (set_.problems.empty()) set_.problems.push_back({0, kEmptyReason});
            return;
        }
        for (auto& fields : rows_) {
            if (!utf8_) toUtf8(fields);
            addChecked(set_, std::move(fields));
        }
    }

    bool refused() const { return refused_; }

private:
    enum class State { FieldStart, Plain, Quoted, QuoteInQuoted };
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    bool refuse(std::size_t where, std::string reason)
    {
        set_.problems.push_back({where, std::move(reason)});
        refused_ = true;
        return false;
    }

    bool take(char c)
    {
        if (afterCr_) {
            afterCr_ = false;
            if (c == '\n') return true;  // CR LF ends one line
        }
        if (isBinaryByte(static_cast<unsigned char>(c))) return refuse(line_, binaryReason(line_));
        rowStarted_ = true;
        switch (state_) {
        case State::FieldStart:
            if (c == '"') {
                state_ = State::Quoted;
                quoteLine_ = line_;
                return true;
            }
            state_ = State::Plain;
            [[fallthrough]];
        case State::Plain:
            if (c == '"')
                return refuse(line_, "a quote inside a field that is not in quotes (put the field in quotes and "
                                     "double its quotes)");
            if (delimiter(c)) return !refused_;
            return append(c);
        case State::Quoted:
            if (c == '"') {
                state_ = State::QuoteInQuoted;
                return true;
            }
            if (c == '\n') ++line_;
            return append(c);
        case State::QuoteInQuoted:
            if (c == '"') {
                state_ = State::Quoted;
                return append(c);
            }
            if (delimiter(c)) return !refused_;
            return refuse(line_, "text after the closing quote of a field");
        }
        return true;
    }

    // A comma or a line end, which ends the field (and the row); false for
    // any other byte.
    bool delimiter(char c)
    {
        if (c != ',' && c != '\n' && c != '\r') return false;
        endField();
        state_ = State::FieldStart;
        if (c != ',') {
            endRow();
            ++line_;
            afterCr_ = c == '\r';
        }
        return true;
    }

    bool append(char c)
    {
        if (field_.size() >= kLongestField) return refuse(line_, tooLongReason(line_));
        field_ += c;
        return true;
    }

    void endField()
    {
        if (refused_) return;
        if (fields_.size() == kMostFields) {
            refuse(rowLine_, "line " + std::to_string(rowLine_) + " has more than " + std::to_string(kMostFields) +
                                 " fields");
            return;
        }
        if (utf8_) utf8_ = isValidUtf8(field_);
        fields_.push_back(std::move(field_));
        field_.clear();
    }

    void endRow()
    {
        if (refused_) return;
        const bool blank = std::all_of(fields_.begin(), fields_.end(), [](const std::string& f) {
            return f.find_first_not_of(" \t") == std::string::npos;
        });
        if (!blank) {
            if (!header_)
                header();
            else
                row();
        }
        fields_.clear();
        rowStarted_ = false;
        rowLine_ = line_ + 1;
    }

    void header()
    {
        header_ = true;
        columns_ = fields_.size();
        bool any = false;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            std::string name = fields_[i];
            name.erase(0, name.find_first_not_of(" \t"));
            name.erase(name.find_last_not_of(" \t") + 1);
            std::transform(name.begin(), name.end(), name.begin(),
                           [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; });
            const auto known = std::find(kFieldNames.begin(), kFieldNames.end(), name);
            if (known == kFieldNames.end()) continue;  // a column of the player's own: not ours to read
            any = true;
            auto& column = column_[static_cast<std::size_t>(known - kFieldNames.begin())];
            if (column != kNone) refuse(rowLine_, "the header names the column \"" + name + "\" twice");
            column = i;
        }
        if (!any) {
            refuse(rowLine_, "the first line is not a header: it names the columns question, option_a, option_b, "
                             "option_c, option_d, answer, level (and explanation, category)");
            return;
        }
        for (std::size_t k = 0; k < kRequired; ++k)
            if (column_[k] == kNone)
                refuse(rowLine_, "the header has no column \"" + std::string(kFieldNames[k]) + "\"");
    }

    void row()
    {
        if (fields_.size() > columns_) {
            const bool extra = std::any_of(fields_.begin() + static_cast<std::ptrdiff_t>(columns_), fields_.end(),
                                           [](const std::string& f) { return !f.empty(); });
            if (extra) {
                set_.problems.push_back({rowLine_, std::to_string(fields_.size()) + " fields where the header names " +
                                                       std::to_string(columns_)});
                return;
            }
        }
        auto field = [&](std::size_t k) -> std::optional<std::string> {
            const std::size_t at = column_[k];
            if (at == kNone || at >= fields_.size()) return std::nullopt;
            return std::move(fields_[at]);
        };
        QuestionFields q;
        q.where = rowLine_;
        q.question = field(0);
        for (std::size_t i = 0; i < 4; ++i) q.options[i] = field(1 + i);
        q.answer = field(5);
        q.level = field(6);
        // An optional column left out, or left empty in this row, is the same.
        q.explanation = field(7);
        q.category = field(8);
        rows_.push_back(std::move(q));
    }

    static void toUtf8(QuestionFields& q)
    {
        auto convert = [](std::optional<std::string>& text) {
            if (text) *text = windows1252ToUtf8(*text);
        };
        convert(q.question);
        for (auto& option : q.options) convert(option);
        convert(q.answer);
        convert(q.level);
        convert(q.explanation);
        convert(q.category);
    }

    ParsedSet& set_;
    State state_ = State::FieldStart;
    std::string field_;
    std::vector<std::string> fields_;
    std::vector<QuestionFields> rows_;  // checked at the end, once the encoding is known
    std::size_t line_ = 1, rowLine_ = 1, quoteLine_ = 1;
    std::array<std::size_t, kFieldNames.size()> column_{};
    std::size_t columns_ = 0;
    bool header_ = false;
    bool first_ = true;
    bool afterCr_ = false;
    bool rowStarted_ = false;
    bool utf8_ = true;
    bool refused_ = false;
};

}  // namespace

ParsedSet readCsv(FileSystem& files, const std::filesystem::path& file)
{
    ParsedSet set;
    CsvReader reader(set);
    SetBytes bytes(files, file);
    for (std::string_view block = bytes.next(); !block.empty(); block = bytes.next())
        if (!reader.feed(block)) return set;
    if (bytes.error()) {
        set.problems.push_back({0, unreadableReason(bytes.error())});
        return set;
    }
    if (bytes.tooLarge()) {
        set.problems.push_back({0, tooLargeReason()});
        return set;
    }
    reader.finish();
    return set;
}

}  // namespace zv::sets
