#pragma once
// A fresh application folder for one test, removed afterwards, and a game
// run in it through the script driver.

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "driver/script_driver.h"
#include "engine/game.h"
#include "engine/program.h"
#include "support/faulty_files.h"
#include "toolkit/application.h"

namespace zv::test {

class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path file(const std::string& name) const { return path_ / name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }

private:
    std::filesystem::path path_;
};

// Lines joined with CR LF, each ended by one.
std::string crlf(std::initializer_list<std::string> lines);
// A record line: "n,question,opt A..D,answer,level".
std::string record(int serial, const std::string& question, const std::string& answer, const std::string& level);
// One question a level, "Q1" to "Q15", the correct answer always B.
std::string ladderBank();
// Questions 1 to `count`, "Q1" onwards, answer A, each at the level
// `level` gives it (level 1 when none is given).
std::string numberedBank(int count, const std::function<int(int)>& level = {});
// The Question Editor's fields filled in as a player types them, ready for Add.
std::string typedQuestion(const std::string& question, const std::string& answer, const std::string& level,
                          const std::array<std::string, 4>& options = {"a", "b", "c", "d"});
// The whole of a file.
std::string readFile(const std::filesystem::path& file);

// config.txt for each game type, with the fast start-up and host advice on.
inline constexpr const char* kBlinking = "opt1\r\nchk1\r\nchk2_1\r\n";
inline constexpr const char* kZrvLike = "opt2\r\nchk1\r\nchk2_1\r\n";
inline constexpr const char* kFast = "opt3\r\nchk1\r\nchk2_1\r\n";

// How far a session takes the program before the test goes on: not started
// (the test prepares the folder first), the main menu, the board open, or a
// game started on it.
enum class Open { Nothing, Menu, Board, Game };

// The program running in a test folder with the script driver as its host.
class Session {
public:
    explicit Session(const std::string& bank = {}, const std::string& config = {}, Open open = Open::Menu);
    // Starts the program as it starts for a player, in the main menu.
    void start();
    // Starts the program and opens the board from the menu.
    void startBoard();
    // Opens the board and starts a game.
    void startGame();
    // Starts a game on the open board, even one under way, with `r` as the
    // draw's number; the question drawn.
    std::string startWith(double r);
    // Carries out driver commands; returns what they printed.
    std::string operator()(const std::string& commands);
    App& app() { return driver_->app(); }
    Module1& m() { return driver_->program().m; }
    Program& program() { return driver_->program(); }
    Game& game() { return *app().findAs<Game>(); }
    TestFolder& folder() { return folder_; }
    std::string output() const { return out_.str(); }
    // The bank's files from now on, whose reads and writes a test makes fail.
    FaultyFiles& faultyFiles();

private:
    TestFolder folder_;
    std::ostringstream out_;
    FaultyFiles faulty_;  // outlives the program, which may hold it
    std::unique_ptr<ScriptDriver> driver_;
};

}  // namespace zv::test
