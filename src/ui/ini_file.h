#pragma once
// zarvana.ini, read with inih: every key in its section, in the file's
// order. A section is replaced whole and the rest of the file kept, so each
// part of the game writes only its own settings.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace zv {

inline constexpr const char* kSettingsFile = "zarvana.ini";

struct IniEntry {
    std::string section, key, value;
};

// A missing or unreadable file has no entries; a line inih cannot read is
// passed over and the rest still read.
std::vector<IniEntry> readIni(const std::filesystem::path& file);

// The value of section.key, the last one when it is there more than once.
const std::string* iniValue(const std::vector<IniEntry>& entries, const char* section, const char* key);

// Writes `section` with these keys in place of the one in the file, which is
// replaced in one rename; false when it could not be written (nothing has
// changed then).
bool writeIniSection(const std::filesystem::path& file, const std::string& section,
                     const std::vector<std::pair<std::string, std::string>>& keys);

}  // namespace zv
