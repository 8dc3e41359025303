#include "driver/script_driver.h"

#include <chrono>
#include <cstdio>
#include <istream>
#include <utility>
#include <ostream>

#include "driver/commands.h"
#include "engine/program.h"
#include "toolkit/application.h"
#include "ui/forms.h"

namespace zv {

ScriptDriver::ScriptDriver(std::ostream& out, std::filesystem::path appDir)
    : out_(out),
      app_(std::make_unique<App>(*this, std::move(appDir))),
      program_(std::make_unique<Program>(*app_)),
      commands_(std::make_unique<Commands>(*app_, *program_, out))
{
    // Runs and draws are reproducible unless a script asks otherwise.
    app_->random().seed(0);
}

ScriptDriver::~ScriptDriver() = default;

bool ScriptDriver::programEnded() const { return app_->ended(); }

bool ScriptDriver::execute(std::string_view line)
{
    // The driver's own switch; everything else acts on the program.
    const auto first = line.find_first_not_of(' ');
    const auto last = line.find_last_not_of(' ');
    if (first != std::string_view::npos && line.substr(first, last - first + 1) == "sounds on") {
        sounds_ = true;
        return true;
    }
    // The answer to the next file chooser: a path, relative to the
    // application folder unless absolute.
    if (first != std::string_view::npos && line.substr(first).rfind("file ", 0) == 0) {
        const std::filesystem::path given(std::string(line.substr(first + 5, last - first - 4)));
        const std::u8string path = (given.is_absolute() ? given : app_->path() / given).u8string();
        nextFile_.assign(path.begin(), path.end());
        return true;
    }
    return commands_->execute(line);
}

void ScriptDriver::playEffect(const std::string& name)
{
    if (sounds_) out_ << "sound: " << name << '\n';
}

void ScriptDriver::playMusic(const std::string& name)
{
    if (sounds_) out_ << "music: " << (name.empty() ? "off" : name) << '\n';
}

void ScriptDriver::say(const std::string& line)
{
    if (sounds_) out_ << "say: " << line << '\n';
}

std::string ScriptDriver::localTime()
{
    // A fixed morning that the script's clock moves on from, so that a
    // transcript reads the same on any day.
    using namespace std::chrono;
    const sys_seconds at = sys_days{year{2026} / January / 5} + hours{10} + seconds{app_->now() / 1000};
    const auto day = floor<days>(at);
    const year_month_day date{day};
    const hh_mm_ss time{at - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

std::string ScriptDriver::chooseFile(FileChoice kind, const std::string& title, const std::string& suggested)
{
    (void)kind, (void)suggested;
    out_ << "file: " << title << '\n';
    return std::exchange(nextFile_, std::string());
}

void ScriptDriver::messageBox(const std::string& text, const std::string& title)
{
    if (title.empty())
        out_ << "msgbox: " << text << '\n';
    else
        out_ << "msgbox [" << title << "]: " << text << '\n';
}

void ScriptDriver::openUrl(const std::string& address) { out_ << "open: " << address << '\n'; }

int ScriptDriver::run(std::istream& in)
{
    if (!started_) {
        started_ = true;
        startProgram(*program_);
    }
    bool ok = true;
    std::string line;
    while (!programEnded() && std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!execute(line)) ok = false;
        out_.flush();
    }
    return ok ? 0 : 1;
}

}  // namespace zv
