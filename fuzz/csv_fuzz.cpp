// Fuzzes the reading of CSV question sets: quoting, line ends, encodings,
// columns by name, and the limits that refuse a hostile file.

#include "fuzz_target.h"
#include "set_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return zv::fuzz::fuzzSet(data, size, "set.csv");
}
