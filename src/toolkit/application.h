#pragma once
// The application: the forms and their life, events, timers on a clock, and
// the services the program asks of the system (message boxes, the screen,
// its folder, the previous-instance check, its one random generator).
//
// Life of a form. `load` creates it from its design and runs Form_Load once
// (and hands out the form only if it is still loaded afterwards);
// `show` loads it if needed and makes it visible (again: to the front);
// `showModal` does the same and runs the caller's remaining steps when the
// form closes, so nothing ever waits on a thread; `unload` runs Form_Unload
// and forgets the form, so that the next load starts from the design. An
// unloaded form object lives on until the event that unloaded it has
// finished, because its own handler may still be running.
//
// Events. Every event runs to its end before the next one starts. A click,
// mouse move, key press or typed text reaches a control only while the
// control is visible and enabled inside visible, enabled frames, on a
// visible form, and no other form is shown modally; otherwise it is ignored.
//
// Timers. The clock counts milliseconds. An enabled timer with an interval
// ticks every interval after it was enabled. `advanceTo` runs every tick that
// falls due up to the given time in time order; ties go to the timer enabled
// first. Tests and the script driver move the clock by hand; the Qt front
// end moves it with real time.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/form.h"
#include "toolkit/host.h"
#include "toolkit/instance_lock.h"
#include "toolkit/random.h"

namespace zv {

// Design screen of every layout: 1024 x 768 pixels at 15 twips a pixel.
inline constexpr int kDesignScreenWidth = 15360;
inline constexpr int kDesignScreenHeight = 11520;
inline constexpr int kTwipsPerPixel = 15;

enum class TimerChange { Enabled, Interval, Destroyed };

class App {
public:
    App(Host& host, std::filesystem::path appDir);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // ---- Forms
    using Factory = std::function<std::unique_ptr<Form>(App&)>;
    void registerForm(std::string name, Factory factory);
    bool isRegistered(std::string_view name) const;
    // The loaded form of that name, or null.
    Form* find(std::string_view name) const;
    template <class T>
    T* findAs() const { return static_cast<T*>(find(T::kName)); }
    // The loaded form, loading it first (without showing it) if need be.
    // Null when the form did not stay loaded: its own load unloaded it (a
    // failed check, a second copy of the program). A form that is only to be
    // worked on when it is there is found, not loaded.
    Form* load(std::string_view name);
    void show(std::string_view name);
    void showModal(std::string_view name, std::function<void()> then);
    void hide(std::string_view name);
    void unload(std::string_view name);
    // Loaded forms, in the order they were loaded.
    std::vector<Form*> loadedForms() const;
    Form* modalForm() const { return modal_.empty() ? nullptr : modal_.back().form; }
    // True once the last form has been unloaded: the program has ended.
    bool ended() const { return ended_; }

    // ---- Events from a front end. Each returns false when the event was
    // ignored (see above).
    bool canReceive(const Control& c) const;
    bool canReceive(const Form& f) const;
    bool click(Control& c);
    bool mouseMove(Control& c);
    bool mouseMove(Form& f);
    bool keyPress(Control& c, int& keyAscii);
    bool closeBox(Form& f);
    // The player's text in a box: its Change handler runs when it differs.
    bool typeText(Control& c, std::string text);
    // The player picks row `index` of a list box: its Click handler runs.
    bool selectItem(Control& list, int index);
    bool choose(Control& option);
    bool check(Control& box, int value);
    // Runs any other step as one event (the program's start, a driver's show).
    void run(const std::function<void()>& step);
    bool inEvent() const { return depth_ > 0; }

    // ---- Clock and timers
    std::int64_t now() const { return now_; }
    // When the next tick falls due, if any timer runs.
    std::optional<std::int64_t> nextDue() const;
    // Runs the ticks due up to `t` and sets the clock to `t`. With
    // skipMissed, a timer that fell behind ticks once, not once per missed
    // interval (a real clock after the system kept the program waiting).
    void advanceTo(std::int64_t t, bool skipMissed = false);
    void timerChanged(Control& timer, TimerChange change);

    // ---- Services
    void msgBox(const std::string& text, const std::string& title = {});
    void openUrl(const std::string& address);
    std::string chooseFile(FileChoice kind, const std::string& title, const std::string& suggested)
    {
        return host_.chooseFile(kind, title, suggested);
    }
    // Sound (see host.h). The music is announced only when it changes, and
    // the voice speaks only while the player has it on.
    void effect(const std::string& name) { host_.playEffect(name); }
    void music(const std::string& name);
    const std::string& musicPlaying() const { return music_; }
    void say(const std::string& line);
    void setVoice(bool on) { voice_ = on; }
    void setVolumes(int music, int effects) { host_.setVolumes(music, effects); }
    // The player's date and time of day (host.h).
    std::string localTime() { return host_.localTime(); }
    bool voice() const { return voice_; }
    Random& random() { return random_; }
    double rnd() { return random_.next(); }
    // RGB(Int(255 r1), Int(255 r2), Int(255 r3)): three draws, red first.
    Color randomColor()
    {
        const int r = static_cast<int>(rnd() * 255);
        const int g = static_cast<int>(rnd() * 255);
        const int b = static_cast<int>(rnd() * 255);
        return RGB(r, g, b);
    }
    int screenWidth() const { return screenWidth_; }
    int screenHeight() const { return screenHeight_; }
    void setScreen(int widthTwips, int heightTwips);
    const std::filesystem::path& path() const { return appDir_; }
    bool prevInstance();

private:
    class Dispatch;
    struct TimerEntry {
        Control* timer;
        std::int64_t due;
        std::uint64_t order;
    };
    struct ModalEntry {
        Form* form;
        std::function<void()> then;
    };

    bool loadedHere(const Form& f) const { return find(f.name()) == &f; }
    void endEvent();
    void closeModal(Form& f);

    Host& host_;
    std::filesystem::path appDir_;
    InstanceLock instanceLock_;
    Random random_;
    std::string music_;
    bool voice_ = false;
    int screenWidth_ = kDesignScreenWidth;
    int screenHeight_ = kDesignScreenHeight;

    std::int64_t now_ = 0;
    std::uint64_t timerOrder_ = 0;
    unsigned long loads_ = 0;
    std::vector<TimerEntry> timers_;

    std::map<std::string, Factory, std::less<>> factories_;
    std::vector<ModalEntry> modal_;
    int depth_ = 0;
    bool started_ = false;
    bool ended_ = false;
    // Declared last: forms go first, while the timers they deregister exist.
    std::vector<std::unique_ptr<Form>> graveyard_;
    std::vector<std::unique_ptr<Form>> loaded_;
};

}  // namespace zv
