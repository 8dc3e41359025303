#include "sets/json_items.h"

#include <algorithm>
#include <optional>
#include <string>

#include "sets/html_entities.h"
#include "sets/question_checks.h"

namespace zv::sets {

namespace {

using nlohmann::json;

const char* const kNotAnObject = "not an object with a question";

// A text field of the item: a string, or a number written as one (a level
// of 3 or "3"). Anything else is noted as not a text.
std::optional<std::string> textOf(const json& item, const char* key, QuestionFields& fields, std::size_t name)
{
    const auto it = item.find(key);
    if (it == item.end() || it->is_null()) return std::nullopt;
    if (it->is_string()) return it->get<std::string>();
    if (it->is_number()) return it->dump();
    fields.notText[name] = true;
    return std::nullopt;
}

// A list of texts, nullopt for anything else.
std::optional<std::vector<std::string>> textsOf(const json& item, const char* key)
{
    const auto it = item.find(key);
    if (it == item.end() || !it->is_array()) return std::nullopt;
    std::vector<std::string> texts;
    for (const auto& value : *it) {
        if (!value.is_string()) return std::nullopt;
        texts.push_back(value.get<std::string>());
    }
    return texts;
}

// A string field, or nothing for any other value.
std::string stringOf(const json& item, const char* key)
{
    const auto it = item.find(key);
    return it != item.end() && it->is_string() ? it->get<std::string>() : std::string();
}

std::optional<std::string> decoded(std::optional<std::string> text)
{
    if (text) *text = decodeEntities(*text);
    return text;
}

}  // namespace

void addOwnItem(ParsedSet& set, const json& item, std::size_t number)
{
    if (!item.is_object()) {
        set.problems.push_back({number, kNotAnObject});
        return;
    }
    QuestionFields fields;
    fields.where = number;
    fields.question = textOf(item, "question", fields, 0);
    fields.optionsAsList = true;
    if (const auto options = textsOf(item, "options"); options && options->size() == 4)
        for (std::size_t i = 0; i < 4; ++i) fields.options[i] = (*options)[i];
    fields.answer = textOf(item, "answer", fields, 5);
    fields.level = textOf(item, "level", fields, 6);
    fields.explanation = textOf(item, "explanation", fields, 7);
    fields.category = textOf(item, "category", fields, 8);
    addChecked(set, std::move(fields));
}

void TriviaItems::add(ParsedSet& set, const json& item, std::size_t number)
{
    if (!item.is_object()) {
        set.problems.push_back({number, kNotAnObject});
        return;
    }
    QuestionFields fields;
    fields.where = number;
    const std::string type = stringOf(item, "type");
    if (type == "boolean") {
        ++set.skipped;
        return;
    }
    if (type != "multiple") fields.reasons.push_back("type " + shownValue(type) + " is neither multiple nor boolean");

    static constexpr std::array<const char*, 3> kBands = {"easy", "medium", "hard"};
    const std::string difficulty = stringOf(item, "difficulty");
    for (std::size_t band = 0; band < kBands.size(); ++band)
        if (difficulty == kBands[band]) fields.level = std::to_string(5 * band + 1 + dealt_[band]++ % 5);
    if (!fields.level) {
        fields.reasons.push_back("difficulty " + shownValue(difficulty) + " is not easy, medium or hard");
        fields.level = "1";  // told once: the item stays out for its difficulty
    }

    // Every item draws its letter, even one with problems, so that an item
    // put right moves no other answer.
    const auto letter = std::min<std::size_t>(3, static_cast<std::size_t>(random_() * 4));
    fields.question = decoded(textOf(item, "question", fields, 0));
    fields.category = decoded(textOf(item, "category", fields, 8));
    const std::optional<std::string> right = decoded(textOf(item, "correct_answer", fields, 5));
    const auto wrong = textsOf(item, "incorrect_answers");
    if (!right || !wrong || wrong->size() != 3) {
        fields.reasons.push_back("it needs a \"correct_answer\" and a list of three \"incorrect_answers\"");
        for (auto& reason : fields.reasons) set.problems.push_back({number, std::move(reason)});
        return;
    }
    for (std::size_t i = 0, next = 0; i < 4; ++i) fields.options[i] = i == letter ? *right : decodeEntities((*wrong)[next++]);
    fields.answer = std::string(1, static_cast<char>('A' + letter));
    addChecked(set, std::move(fields));
}

}  // namespace zv::sets
