#include "ui/ini_file.h"

#include <ini.h>

#include <cstdio>
#include <fstream>
#include <system_error>

namespace zv {

std::vector<IniEntry> readIni(const std::filesystem::path& file)
{
    std::vector<IniEntry> entries;
    FILE* f = std::fopen(file.string().c_str(), "rb");
    if (!f) return entries;
    ini_parse_file(
        f,
        [](void* user, const char* section, const char* key, const char* value) -> int {
            static_cast<std::vector<IniEntry>*>(user)->push_back({section, key, value});
            return 1;
        },
        &entries);
    std::fclose(f);
    return entries;
}

const std::string* iniValue(const std::vector<IniEntry>& entries, const char* section, const char* key)
{
    const std::string* found = nullptr;
    for (const IniEntry& e : entries)
        if (e.section == section && e.key == key) found = &e.value;
    return found;
}

bool writeIniSection(const std::filesystem::path& file, const std::string& section,
                     const std::vector<std::pair<std::string, std::string>>& keys)
{
    // The sections in the file's order, ours first when it is new.
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections;
    bool placed = false;
    for (IniEntry& e : readIni(file)) {
        if (sections.empty() || sections.back().first != e.section) {
            if (e.section == section && placed) continue;
            sections.push_back({e.section, {}});
            if (e.section == section) {
                sections.back().second = keys;
                placed = true;
            }
        }
        if (e.section != section) sections.back().second.push_back({std::move(e.key), std::move(e.value)});
    }
    if (!placed) sections.insert(sections.begin(), {section, keys});

    std::filesystem::path temp = file;
    temp += ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        for (const auto& [name, entries] : sections) {
            if (!name.empty()) out << '[' << name << "]\n";
            for (const auto& [key, value] : entries) out << key << " = " << value << '\n';
            out << '\n';
        }
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) std::filesystem::remove(temp, ec);
    return !ec;
}

}  // namespace zv
