#include "ui/sound_settings.h"

#include <ini.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace zv {

namespace {

constexpr const char* kSection = "sound";

struct Entry {
    std::string section, key, value;
};

// Every key of the file in its order, as inih reads it.
std::vector<Entry> readEntries(const std::filesystem::path& file)
{
    std::vector<Entry> entries;
    FILE* f = std::fopen(file.string().c_str(), "rb");
    if (!f) return entries;
    ini_parse_file(
        f,
        [](void* user, const char* section, const char* key, const char* value) -> int {
            static_cast<std::vector<Entry>*>(user)->push_back({section, key, value});
            return 1;  // a line inih cannot read is passed over, the rest still read
        },
        &entries);
    std::fclose(f);
    return entries;
}

bool volume(const std::string& text, int& out)
{
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < 0 || v > 100) return false;
    out = v;
    return true;
}

}  // namespace

SoundSettings readSoundSettings(const std::filesystem::path& file)
{
    SoundSettings s;
    for (const Entry& e : readEntries(file)) {
        if (e.section != kSection) continue;
        if (e.key == "music") volume(e.value, s.music);
        if (e.key == "effects") volume(e.value, s.effects);
        if (e.key == "voice" && (e.value == "on" || e.value == "off")) s.voice = e.value == "on";
    }
    return s;
}

bool writeSoundSettings(const std::filesystem::path& file, const SoundSettings& settings)
{
    std::vector<std::pair<std::string, std::vector<Entry>>> sections;
    for (Entry& e : readEntries(file)) {
        if (e.section == kSection) continue;
        if (sections.empty() || sections.back().first != e.section) sections.push_back({e.section, {}});
        sections.back().second.push_back(std::move(e));
    }
    sections.insert(sections.begin(), {kSection,
                                       {{kSection, "music", std::to_string(settings.music)},
                                        {kSection, "effects", std::to_string(settings.effects)},
                                        {kSection, "voice", settings.voice ? "on" : "off"}}});
    std::filesystem::path temp = file;
    temp += ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        for (const auto& [name, entries] : sections) {
            if (!name.empty()) out << '[' << name << "]\n";
            for (const Entry& e : entries) out << e.key << " = " << e.value << '\n';
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
