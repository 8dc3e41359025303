#pragma once
// What a front end does for the model: the system's message box, the
// browser, sound and the host's voice. The Qt front end shows real windows
// and plays; the script driver prints.

#include <ctime>
#include <string>

namespace zv {

// What a file chooser is for: a file to read, or a name to write.
enum class FileChoice { Open, Save };

class Host {
public:
    virtual ~Host() = default;
    // A system message box with an OK button. An empty title means the
    // default title. The caller waits until it is closed.
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
    // Opens a web page (or a local file) in the user's browser.
    virtual void openUrl(const std::string& address) = 0;
    // The system's file chooser, over the active window; the caller waits.
    // `suggested` is the name offered first. The path chosen (UTF-8), or
    // empty when the player cancels.
    virtual std::string chooseFile(FileChoice kind, const std::string& title, const std::string& suggested)
    {
        (void)kind, (void)title, (void)suggested;
        return {};
    }

    // Sound: the game names the moment, the front end plays it. Nothing
    // here waits or changes the game; a front end without sound ignores it.
    // An effect plays once, over whatever plays.
    virtual void playEffect(const std::string& name) { (void)name; }
    // A loop in place of the music playing; an empty name stops the music.
    virtual void playMusic(const std::string& name) { (void)name; }
    // A line for the host's voice; a new line cuts the one being spoken.
    virtual void say(const std::string& line) { (void)line; }
    // The date and time of day where the player is, ISO 8601 without a
    // zone ("2026-12-06T20:15:03"): the record's dates. The script driver
    // gives a date of its own that follows its clock.
    virtual std::string localTime()
    {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &now);
#else
        localtime_r(&now, &local);
#endif
        char text[32];
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
        return text;
    }
    // The player's volumes, 0 to 100, as the Sound dialog saved them.
    virtual void setVolumes(int music, int effects)
    {
        (void)music;
        (void)effects;
    }
};

}  // namespace zv
