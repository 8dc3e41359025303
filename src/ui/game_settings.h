#pragma once
// The player's game settings in zarvana.ini: [game] fresh_questions (on or
// off, on unless set) and [player] name, asked once (a name left empty is
// an answer too: the question is not asked again).

#include <filesystem>
#include <optional>
#include <string>

namespace zv {

struct GameSettings {
    bool freshQuestions = true;
    std::optional<std::string> playerName;  // none until asked
};

GameSettings readGameSettings(const std::filesystem::path& file);
bool writeFreshQuestions(const std::filesystem::path& file, bool on);
bool writePlayerName(const std::filesystem::path& file, const std::string& name);

}  // namespace zv
