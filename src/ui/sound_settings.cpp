#include "ui/sound_settings.h"

#include <charconv>
#include <string>

#include "ui/ini_file.h"

namespace zv {

namespace {

constexpr const char* kSection = "sound";

void volume(const std::string* text, int& out)
{
    if (!text) return;
    int v = 0;
    const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), v);
    if (ec == std::errc() && end == text->data() + text->size() && v >= 0 && v <= 100) out = v;
}

}  // namespace

SoundSettings readSoundSettings(const std::filesystem::path& file)
{
    SoundSettings s;
    const std::vector<IniEntry> entries = readIni(file);
    volume(iniValue(entries, kSection, "music"), s.music);
    volume(iniValue(entries, kSection, "effects"), s.effects);
    if (const std::string* voice = iniValue(entries, kSection, "voice"); voice && (*voice == "on" || *voice == "off"))
        s.voice = *voice == "on";
    return s;
}

bool writeSoundSettings(const std::filesystem::path& file, const SoundSettings& settings)
{
    return writeIniSection(file, kSection,
                           {{"music", std::to_string(settings.music)},
                            {"effects", std::to_string(settings.effects)},
                            {"voice", settings.voice ? "on" : "off"}});
}

}  // namespace zv
