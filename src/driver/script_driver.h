#pragma once
// The script driver: the program without windows, on a virtual clock,
// driven by commands read one a line (see commands.h and README.md).
//
// It starts as the program starts, carries out each command with everything
// it sets off before reading the next, and prints what a player would have
// seen in message boxes. It stops when the program ends.

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/host.h"

namespace zv {

class App;
struct Program;
class Commands;

class ScriptDriver : public Host {
public:
    ScriptDriver(std::ostream& out, std::filesystem::path appDir);
    ~ScriptDriver() override;

    // Starts the program, then runs commands until the input or the program
    // ends. Returns the exit status: 0 when every command was carried out.
    int run(std::istream& in);
    // Carries out one command line; false when it was an error.
    bool execute(std::string_view line);
    bool programEnded() const;

    void messageBox(const std::string& text, const std::string& title) override;
    void openUrl(const std::string& address) override;
    // After `sounds on`: "sound: NAME", "music: NAME" or "music: off", and
    // "say: TEXT" while the voice is on. Before it nothing, so that scripts
    // written before the game had sound read as they did.
    void playEffect(const std::string& name) override;
    void playMusic(const std::string& name) override;
    void say(const std::string& line) override;
    // 2026-01-05T10:00:00 when the script starts, moving with its clock.
    std::string localTime() override;
    // Prints "file: TITLE" and answers with the path that `file PATH` gave
    // last, once (nothing given: cancelled).
    std::string chooseFile(FileChoice kind, const std::string& title, const std::string& suggested) override;

    App& app() { return *app_; }
    Program& program() { return *program_; }

private:
    std::ostream& out_;
    std::unique_ptr<App> app_;
    std::unique_ptr<Program> program_;
    std::unique_ptr<Commands> commands_;
    bool started_ = false;
    bool sounds_ = false;
    std::string nextFile_;
};

}  // namespace zv
