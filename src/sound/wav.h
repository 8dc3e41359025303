#pragma once
// WAV files of 16-bit PCM at 44100 Hz, stereo or mono, as every player and
// Qt's sound effects read them.

#include <filesystem>
#include <string>

#include "sound/stereo.h"

namespace zv::sound {

// The whole file. Mono takes the average of the two sides; samples past
// full scale are held at full scale.
std::string wavBytes(const Stereo& sound, int channels = 2);

// Writes through a temporary file and one rename, so a file of the name is
// whole or absent. False when it could not be written.
bool writeWav(const std::filesystem::path& file, const Stereo& sound, int channels = 2);

}  // namespace zv::sound
