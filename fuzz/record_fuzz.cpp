// Fuzzes the record line: splitting, joining, the comma conversion, number
// fields, the checks of the readers and the text decoding.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bank/record.h"
#include "fuzz_target.h"
#include "toolkit/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    zv::QuestionRecord rec;
    const zv::LineProblem problem = zv::lineProblem(input);
    const int last = zv::SplitRecord(input, rec);
    if (last < 0 || last > 10) std::abort();
    if (problem == zv::LineProblem::None && last == 7 && zv::JoinRecord(rec) != input) std::abort();
    zv::numberValue(input);
    const std::string escaped = zv::EscapeCommas(input);
    if (escaped.find(',') != std::string::npos) std::abort();
    if (zv::UnescapeCommas(escaped).size() != input.size()) std::abort();
    if (!zv::isValidUtf8(zv::displayText(input))) std::abort();
    return 0;
}
