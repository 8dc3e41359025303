#pragma once
// The player's sound settings, kept in zarvana.ini beside the bank under
// [sound]: music and effects volumes 0 to 100 (70 unless set) and the
// host's voice, on or off (off unless set). config.txt keeps only the three
// options it always had; every newer setting of the game lives in
// zarvana.ini under a section of its own.

#include <filesystem>

#include "ui/ini_file.h"

namespace zv {

struct SoundSettings {
    int music = 70;
    int effects = 70;
    bool voice = false;
    bool operator==(const SoundSettings&) const = default;
};

// A missing, empty or garbled file, or a value out of range, gives the
// default of what it spoils; reading never fails.
SoundSettings readSoundSettings(const std::filesystem::path& file);

// Writes [sound] and keeps every other section and key of the file as it
// was. The file is replaced in one rename; false when it could not be
// written (nothing has changed then).
bool writeSoundSettings(const std::filesystem::path& file, const SoundSettings& settings);

}  // namespace zv
