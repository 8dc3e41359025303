#pragma once
// The entry point of a fuzz target: libFuzzer calls it with each input, and
// so does the corpus replay (replay_main.cpp) in builds without libFuzzer.

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
