// Fuzzes the reading of JSON question sets, in our form and in the common
// trivia-database form: the guarded parse, items, references, levels.

#include "fuzz_target.h"
#include "set_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return zv::fuzz::fuzzSet(data, size, "set.json");
}
