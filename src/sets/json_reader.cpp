#include "sets/json_reader.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "sets/json_items.h"
#include "sets/set_bytes.h"

namespace zv::sets {

namespace {

using nlohmann::json;

constexpr int kDeepest = 16;  // a set nests four deep: the file, its list, an item, its options

// Looks at a JSON file's bytes as they are read, before the parser sees
// them: a byte no text holds, a string or a bare word past kLongestField,
// or nesting past kDeepest refuses the file there, with the reason kept.
class JsonGuard {
public:
    // False once the file is refused.
    bool look(std::string_view block)
    {
        for (std::size_t i = 0; i < block.size(); ++i) {
            if (inString_) {
                // The common case, a run of plain text, at once.
                std::size_t j = i;
                while (j < block.size() && plain(static_cast<unsigned char>(block[j]))) ++j;
                run_ += j - i;
                if (run_ > kLongestField) return refuse(tooLongReason(line_));
                offset_ += j - i;
                if ((i = j) == block.size()) break;
            }
            if (!look(static_cast<unsigned char>(block[i]))) return false;
        }
        return true;
    }
    const std::optional<SetProblem>& refusal() const { return refusal_; }
    // Nothing but blanks (and a byte-order mark) was read.
    bool empty() const { return !anything_; }

private:
    static bool plain(unsigned char c) { return c != '"' && c != '\\' && !isBinaryByte(c) && c != '\n'; }

    bool refuse(std::string reason)
    {
        refusal_ = SetProblem{0, std::move(reason)};
        return false;
    }

    bool look(unsigned char c)
    {
        const bool mark = offset_ < 3 && c == static_cast<unsigned char>("\xEF\xBB\xBF"[offset_]);
        ++offset_;
        if (isBinaryByte(c)) return refuse(binaryReason(line_));
        if (c == '\n') ++line_;
        const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        anything_ = anything_ || !(blank || mark);
        if (inString_) {
            if (escaped_)
                escaped_ = false;
            else if (c == '\\')
                escaped_ = true;
            else if (c == '"')
                inString_ = false;
            return ++run_ <= kLongestField || refuse(tooLongReason(line_));
        }
        switch (c) {
        case '"':
            inString_ = true;
            run_ = 0;
            return true;
        case '{':
        case '[':
            run_ = 0;
            return ++depth_ <= kDeepest || refuse("the file nests lists deeper than any question set");
        case '}':
        case ']':
        case ',':
        case ':':
            depth_ -= c == '}' || c == ']';
            run_ = 0;
            return true;
        default:
            if (blank) run_ = 0;
            // A number or a word the parser would gather whole.
            return blank || ++run_ <= kLongestField || refuse(tooLongReason(line_));
        }
    }

    std::size_t offset_ = 0;
    std::size_t line_ = 1;
    std::size_t run_ = 0;
    int depth_ = 0;
    bool inString_ = false, escaped_ = false, anything_ = false;
    std::optional<SetProblem> refusal_;
};

// Takes the parser's events and builds one item at a time, handing each on
// as soon as it is whole: the file's outline around the items is followed,
// not kept.
class ItemBuilder : public nlohmann::json_sax<json> {
public:
    ItemBuilder(ParsedSet& set, const std::function<double()>& random) : set_(set), trivia_(random) {}

    bool null() override { return value(json()); }
    bool boolean(bool v) override { return value(json(v)); }
    bool number_integer(number_integer_t v) override { return value(json(v)); }
    bool number_unsigned(number_unsigned_t v) override { return value(json(v)); }
    bool number_float(number_float_t v, const string_t&) override { return value(json(v)); }
    bool string(string_t& v) override { return value(json(std::move(v))); }
    bool binary(binary_t&) override { return value(json()); }

    bool start_object(std::size_t) override { return open(json::object()); }
    bool start_array(std::size_t) override
    {
        if (open_.empty() && depth_ == 1) {  // a list of the file's object
            list_ = key_ == "questions" ? List::Own : key_ == "results" ? List::Trivia : List::None;
            sawList_ = sawList_ || list_ != List::None;
        }
        return open(json::array());
    }
    bool key(string_t& k) override
    {
        if (!open_.empty())
            slot_ = &(*open_.back())[k];
        else if (depth_ == 1)
            key_ = std::move(k);
        return true;
    }
    bool end_object() override { return close(); }
    bool end_array() override
    {
        if (open_.empty() && depth_ == 2) list_ = List::None;
        return close();
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) override
    {
        error_ = error.what();
        return false;
    }

    bool sawList() const { return sawList_; }
    // The parser's words, without its prefix and the bytes it read last.
    std::optional<std::string> error() const
    {
        if (!error_) return std::nullopt;
        std::string words = *error_;
        if (const auto end = words.find("] "); words.starts_with("[json.") && end != std::string::npos)
            words.erase(0, end + 2);
        if (const auto last = words.find("; last read"); last != std::string::npos) words.erase(last);
        return words;
    }

private:
    enum class List { None, Own, Trivia };

    bool inList() const { return list_ != List::None && depth_ == 2; }

    bool value(json v)
    {
        if (!open_.empty())
            place(std::move(v));
        else if (inList())
            take(v);
        return true;
    }

    bool open(json container)
    {
        if (!open_.empty()) {
            open_.push_back(&place(std::move(container)));
        } else if (inList()) {
            item_ = std::move(container);
            open_.push_back(&item_);
        }
        ++depth_;
        return true;
    }

    bool close()
    {
        --depth_;
        if (open_.empty()) return true;
        open_.pop_back();
        if (open_.empty()) take(item_);
        return true;
    }

    // Where a value goes in the item being built.
    json& place(json&& v)
    {
        json& container = *open_.back();
        if (container.is_array()) {
            container.push_back(std::move(v));
            return container.back();
        }
        *slot_ = std::move(v);
        return *slot_;
    }

    void take(const json& item)
    {
        if (list_ == List::Own)
            addOwnItem(set_, item, ++items_);
        else
            trivia_.add(set_, item, ++items_);
    }

    ParsedSet& set_;
    TriviaItems trivia_;
    List list_ = List::None;
    bool sawList_ = false;
    int depth_ = 0;           // containers open around the next event
    std::string key_;         // the last key of the file's object
    json item_;               // the item being built
    std::vector<json*> open_;  // its containers still open, innermost last
    json* slot_ = nullptr;     // the value of the key just read
    std::size_t items_ = 0;
    std::optional<std::string> error_;
};

}  // namespace

ParsedSet readJson(FileSystem& files, const std::filesystem::path& file, const std::function<double()>& random)
{
    ParsedSet set;
    // The file is kept whole once, for the parser to read at full speed; a
    // hostile one is refused before more of it is read.
    SetBytes bytes(files, file);
    JsonGuard guard;
    std::string text;
    for (std::string_view block = bytes.next(); !block.empty(); block = bytes.next()) {
        if (!guard.look(block)) break;
        text += block;
    }
    if (guard.refusal())
        set.problems.push_back(*guard.refusal());
    else if (bytes.error())
        set.problems.push_back({0, unreadableReason(bytes.error())});
    else if (bytes.tooLarge())
        set.problems.push_back({0, tooLargeReason()});
    else if (guard.empty())
        set.problems.push_back({0, kEmptyReason});
    if (!set.problems.empty()) return set;

    ItemBuilder items(set, random);
    json::sax_parse(text, &items);
    if (const auto broken = items.error())
        set.problems.push_back({0, "not valid JSON: " + *broken});
    else if (!items.sawList())
        set.problems.push_back({0, "no list of questions: the file holds {\"questions\": [...]} or {\"results\": [...]}"});
    return set;
}

}  // namespace zv::sets
