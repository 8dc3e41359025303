#include "sets/html_entities.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>
#include <utility>

#include "toolkit/text_encoding.h"

namespace zv::sets {

namespace {

// The Latin-1 names, for U+00A0 to U+00FF in order.
constexpr std::array<std::string_view, 96> kLatin1 = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

// The Greek letters, from U+0391 (Alpha) and U+03B1 (alpha); U+03A2 has no
// capital.
constexpr std::array<std::string_view, 25> kGreek = {
    "alpha", "beta",  "gamma",   "delta", "epsilon", "zeta", "eta", "theta", "iota", "kappa", "lambda", "mu", "nu",
    "xi",    "omicron", "pi",    "rho",   "sigmaf",  "sigma", "tau", "upsilon", "phi", "chi",  "psi",    "omega"};

// The rest of the names a question may use: markup, punctuation, symbols.
constexpr std::array<std::pair<std::string_view, char32_t>, 32> kOthers = {{
    {"quot", 0x22},    {"amp", 0x26},     {"apos", 0x27},    {"lt", 0x3C},       {"gt", 0x3E},
    {"OElig", 0x152},  {"oelig", 0x153},  {"Scaron", 0x160}, {"scaron", 0x161},  {"Yuml", 0x178},
    {"fnof", 0x192},   {"circ", 0x2C6},   {"tilde", 0x2DC},  {"ndash", 0x2013},  {"mdash", 0x2014},
    {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"sbquo", 0x201A}, {"ldquo", 0x201C},  {"rdquo", 0x201D},
    {"bdquo", 0x201E}, {"dagger", 0x2020}, {"Dagger", 0x2021}, {"bull", 0x2022}, {"hellip", 0x2026},
    {"permil", 0x2030}, {"prime", 0x2032}, {"Prime", 0x2033}, {"euro", 0x20AC},  {"trade", 0x2122},
    {"larr", 0x2190},  {"rarr", 0x2192},
}};

char32_t named(std::string_view name)
{
    if (const auto it = std::find(kLatin1.begin(), kLatin1.end(), name); it != kLatin1.end())
        return static_cast<char32_t>(0xA0 + (it - kLatin1.begin()));
    for (const auto& [entity, code] : kOthers)
        if (entity == name) return code;
    if (name.empty()) return 0;
    // A Greek capital is its small letter's name with a capital first letter.
    const bool capital = name[0] >= 'A' && name[0] <= 'Z';
    std::string small(name);
    if (capital) small[0] = static_cast<char>(small[0] - 'A' + 'a');
    const auto it = std::find(kGreek.begin(), kGreek.end(), small);
    if (it == kGreek.end() || (capital && small == "sigmaf")) return 0;
    return static_cast<char32_t>((capital ? 0x391 : 0x3B1) + (it - kGreek.begin()));
}

char32_t numbered(std::string_view digits)
{
    int base = 10;
    if (!digits.empty() && (digits[0] == 'x' || digits[0] == 'X')) {
        base = 16;
        digits.remove_prefix(1);
    }
    std::uint32_t code = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return 0;
    // Controls and what is no character stay as they were written.
    if (code < 0x20 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return code;
}

}  // namespace

std::string decodeEntities(std::string_view text)
{
    constexpr std::size_t kLongestName = 10;
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t amp = text.find('&', at);
        out.append(text.substr(at, amp == std::string_view::npos ? std::string_view::npos : amp - at));
        if (amp == std::string_view::npos) break;
        const std::size_t semi = text.find(';', amp + 1);
        char32_t code = 0;
        if (semi != std::string_view::npos && semi - amp - 1 <= kLongestName) {
            const std::string_view name = text.substr(amp + 1, semi - amp - 1);
            code = !name.empty() && name[0] == '#' ? numbered(name.substr(1)) : named(name);
        }
        if (code == 0) {
            out += '&';
            at = amp + 1;
        } else {
            appendUtf8(out, code);
            at = semi + 1;
        }
    }
    return out;
}

}  // namespace zv::sets
