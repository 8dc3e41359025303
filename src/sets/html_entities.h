#pragma once
// The character references of HTML, as the common trivia-database form
// writes its texts: "&quot;", "&amp;", "&#039;", "&eacute;", "&#x2019;".

#include <string>
#include <string_view>

namespace zv::sets {

// The text with every reference it knows replaced by its character in
// UTF-8; anything else, a lone "&" included, is left as it is.
std::string decodeEntities(std::string_view text);

}  // namespace zv::sets
