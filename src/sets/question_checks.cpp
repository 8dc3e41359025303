#include "sets/question_checks.h"

#include <cmath>
#include <vector>

#include "bank/board_limits.h"
#include "bank/record.h"
#include "sets/set_bytes.h"
#include "toolkit/text_encoding.h"

namespace zv::sets {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowered(a[i]) != lowered(b[i])) return false;
    return true;
}

// The letter the answer names: "A" to "D" in either case, or the text of
// exactly one option (as written, else in either case).
std::optional<char> answerLetter(std::string_view answer, const std::array<std::optional<std::string>, 4>& options)
{
    answer = trimmed(answer);
    if (answer.size() == 1 && lowered(answer[0]) >= 'a' && lowered(answer[0]) <= 'd')
        return static_cast<char>(lowered(answer[0]) - 'a' + 'A');
    for (const bool exact : {true, false}) {
        std::optional<char> found;
        int matches = 0;
        for (std::size_t i = 0; i < options.size(); ++i) {
            if (!options[i]) continue;
            const std::string_view option = trimmed(*options[i]);
            if (exact ? option == answer : sameIgnoringCase(option, answer)) {
                found = static_cast<char>('A' + i);
                ++matches;
            }
        }
        if (matches == 1) return found;
    }
    return std::nullopt;
}

std::optional<int> levelOf(std::string_view text)
{
    const auto value = numberValue(text);
    if (!value || *value < 1 || *value > 15 || *value != std::floor(*value)) return std::nullopt;
    return static_cast<int>(*value);
}

// What keeps a text off the board or out of the bank, found in one pass.
void checkText(std::vector<std::string>& reasons, std::string_view text, std::string_view name, std::size_t limit)
{
    bool semicolon = false, lineBreak = false, control = false;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x20 && c != ';' && c != 0x7F) continue;
        semicolon = semicolon || c == ';';
        lineBreak = lineBreak || c == '\r' || c == '\n' || c == '\t';
        control = control || isBinaryByte(c);
    }
    const std::string who(name);
    if (semicolon) reasons.push_back("a \";\" in " + who + ": the bank keeps commas as \";\" and cannot hold one");
    if (lineBreak)
        reasons.push_back("a line break or tab in " + who + ": the bank keeps a question on one line");
    else if (control)
        reasons.push_back("a control character in " + who);
    if (const std::size_t length = shownLength(text); length > limit)
        reasons.push_back(who + " is longer than the board shows (" + std::to_string(length) + " characters, at most " +
                          std::to_string(limit) + ")");
}

}  // namespace

std::string shownValue(std::string_view value)
{
    constexpr std::size_t kShown = 40;
    std::size_t cut = value.size();
    if (cut > kShown) {
        cut = kShown;  // not inside a UTF-8 character
        while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) --cut;
    }
    std::string text = displayText(value.substr(0, cut));
    if (cut < value.size()) text += "...";
    return "\"" + text + "\"";
}

void addChecked(ParsedSet& set, QuestionFields fields)
{
    std::vector<std::string>& reasons = fields.reasons;
    auto present = [&](const std::optional<std::string>& field, std::size_t name, bool tell = true) {
        if (field && !trimmed(*field).empty()) return true;
        const std::string quotedName = "\"" + std::string(kFieldNames[name]) + "\"";
        if (tell) reasons.push_back(fields.notText[name] ? "the field " + quotedName + " is not a text or a number" : "missing field " + quotedName);
        return false;
    };
    const bool hasQuestion = present(fields.question, 0);
    std::array<bool, 4> hasOption{};
    bool allOptions = true;
    for (std::size_t i = 0; i < 4; ++i) allOptions = (hasOption[i] = present(fields.options[i], 1 + i, !fields.optionsAsList)) && allOptions;
    if (!allOptions && fields.optionsAsList) reasons.push_back("the field \"options\" is not a list of four texts");
    const bool hasAnswer = present(fields.answer, 5);
    const bool hasLevel = present(fields.level, 6);

    std::optional<char> letter;
    if (fields.letterOnly && hasAnswer && fields.answer->size() == 1 && (*fields.answer)[0] >= 'A' &&
        (*fields.answer)[0] <= 'D')
        letter = (*fields.answer)[0];
    else if (fields.letterOnly && hasAnswer)
        reasons.push_back("answer " + shownValue(*fields.answer) + " is not A to D");
    else if (hasAnswer && !(letter = answerLetter(*fields.answer, fields.options)))
        reasons.push_back("answer " + shownValue(trimmed(*fields.answer)) + " is not A to D nor the text of one option");
    std::optional<int> level;
    if (hasLevel && !(level = levelOf(*fields.level)))
        reasons.push_back("level " + shownValue(trimmed(*fields.level)) + " is not 1 to 15");
    if (hasQuestion) checkText(reasons, *fields.question, "the question", kMaxQuestionChars);
    for (std::size_t i = 0; i < 4; ++i)
        if (hasOption[i])
            checkText(reasons, *fields.options[i], std::string("option ") + static_cast<char>('A' + i), kMaxOptionChars);

    if (!reasons.empty()) {
        for (auto& reason : reasons) set.problems.push_back({fields.where, std::move(reason)});
        return;
    }
    SetQuestion q;
    q.question = std::move(*fields.question);
    for (std::size_t i = 0; i < 4; ++i) q.options[i] = std::move(*fields.options[i]);
    q.answer = *letter;
    q.level = *level;
    q.explanation = std::move(fields.explanation).value_or("");
    q.category = std::move(fields.category).value_or("");
    q.where = fields.where;
    set.questions.push_back(std::move(q));
}

std::string questionKey(std::string_view question)
{
    std::string key;
    key.reserve(question.size());
    bool blank = false;
    for (const char c : question) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            blank = !key.empty();
            continue;
        }
        if (blank) key += ' ';
        blank = false;
        key += lowered(c);
    }
    return key;
}

}  // namespace zv::sets
