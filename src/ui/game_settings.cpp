#include "ui/game_settings.h"

#include "ui/ini_file.h"

namespace zv {

GameSettings readGameSettings(const std::filesystem::path& file)
{
    GameSettings s;
    const std::vector<IniEntry> entries = readIni(file);
    if (const std::string* fresh = iniValue(entries, "game", "fresh_questions"); fresh && *fresh == "off")
        s.freshQuestions = false;
    if (const std::string* name = iniValue(entries, "player", "name")) s.playerName = *name;
    return s;
}

bool writeFreshQuestions(const std::filesystem::path& file, bool on)
{
    return writeIniSection(file, "game", {{"fresh_questions", on ? "on" : "off"}});
}

bool writePlayerName(const std::filesystem::path& file, const std::string& name)
{
    // One line: a line break would end the value.
    std::string line;
    for (char c : name) line += (c == '\n' || c == '\r') ? ' ' : c;
    return writeIniSection(file, "player", {{"name", line}});
}

}  // namespace zv
