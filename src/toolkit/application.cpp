#include "toolkit/application.h"

#include <algorithm>
#include <stdexcept>

namespace zv {

// Marks the extent of one event: forms unloaded during it are destroyed when
// the outermost event ends, and the end of the program is noticed then.
class App::Dispatch {
public:
    explicit Dispatch(App& app) : app_(app) { ++app_.depth_; }
    ~Dispatch()
    {
        if (--app_.depth_ == 0) app_.endEvent();
    }
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;

private:
    App& app_;
};

App::App(Host& host, std::filesystem::path appDir)
    : host_(host), appDir_(std::move(appDir)), instanceLock_(appDir_ / ".zarvana.lock")
{
}

App::~App()
{
    // Forms first, while the clock they deregister from still exists; moved
    // out first so that no lookup walks a list that is being destroyed.
    auto forms = std::move(loaded_);
    loaded_.clear();
    forms.clear();
    graveyard_.clear();
}

// ---------------------------------------------------------------- forms

void App::registerForm(std::string name, Factory factory) { factories_[std::move(name)] = std::move(factory); }

bool App::isRegistered(std::string_view name) const { return factories_.find(name) != factories_.end(); }

Form* App::find(std::string_view name) const
{
    for (const auto& f : loaded_)
        if (f->name() == name) return f.get();
    return nullptr;
}

std::vector<Form*> App::loadedForms() const
{
    std::vector<Form*> out;
    for (const auto& f : loaded_) out.push_back(f.get());
    return out;
}

Form* App::load(std::string_view name)
{
    if (Form* f = find(name)) return f;
    auto it = factories_.find(name);
    if (it == factories_.end()) throw std::out_of_range("no form named " + std::string(name));
    Dispatch d(*this);
    loaded_.push_back(it->second(*this));
    started_ = true;
    Form& form = *loaded_.back();
    form.instance_ = ++loads_;
    // Timers enabled at design time start with the form.
    for (const auto& c : form.controls())
        if (c->kind() == Kind::Timer && c->enabled()) timerChanged(*c, TimerChange::Enabled);
    form.Form_Load();
    // A form that unloaded itself is destroyed when the outermost event ends,
    // which may be this one: it is not handed out.
    return loadedHere(form) ? &form : nullptr;
}

void App::show(std::string_view name)
{
    Dispatch d(*this);
    Form* f = load(name);
    if (!f) return;  // its load unloaded it again
    f->visible_ = true;
    ++f->showCount_;
    f->Form_Activate();
}

void App::showModal(std::string_view name, std::function<void()> then)
{
    Dispatch d(*this);
    Form* f = load(name);
    if (!f) {
        if (then) then();
        return;
    }
    modal_.push_back({f, std::move(then)});
    f->visible_ = true;
    ++f->showCount_;
    f->Form_Activate();
}

void App::hide(std::string_view name)
{
    Form* f = find(name);
    if (!f) return;
    Dispatch d(*this);
    f->visible_ = false;
    closeModal(*f);
}

void App::unload(std::string_view name)
{
    Form* f = find(name);
    if (!f) return;
    Dispatch d(*this);
    f->Form_Unload();
    // Form_Unload may have unloaded it already (closing one form can close
    // others that close it back).
    auto it = std::find_if(loaded_.begin(), loaded_.end(), [f](const auto& p) { return p.get() == f; });
    if (it == loaded_.end()) return;
    graveyard_.push_back(std::move(*it));
    loaded_.erase(it);
    f->visible_ = false;
    std::erase_if(timers_, [f](const TimerEntry& e) { return &e.timer->form() == f; });
    closeModal(*f);
}

void App::closeModal(Form& f)
{
    auto it = std::find_if(modal_.begin(), modal_.end(), [&f](const ModalEntry& m) { return m.form == &f; });
    if (it == modal_.end()) return;
    auto then = std::move(it->then);
    modal_.erase(it);
    if (then) then();
}

void App::endEvent()
{
    graveyard_.clear();
    if (started_ && loaded_.empty()) ended_ = true;
}

// ---------------------------------------------------------------- events

bool App::canReceive(const Form& f) const
{
    if (!loadedHere(f) || !f.visible_) return false;
    return modal_.empty() || modal_.back().form == &f;
}

bool App::canReceive(const Control& c) const
{
    if (!canReceive(c.form())) return false;
    for (const Control* p = &c; p; p = p->container())
        if (!p->visible() || !p->enabled()) return false;
    return true;
}

bool App::click(Control& c)
{
    if (!canReceive(c)) return false;
    Dispatch d(*this);
    if (c.kind() == Kind::OptionButton) c.setValue(1);
    if (c.kind() == Kind::CheckBox) c.setValue(c.value() ? 0 : 1);
    c.form().fireClick(c);
    return true;
}

bool App::mouseMove(Control& c)
{
    if (!canReceive(c)) return false;
    Dispatch d(*this);
    c.form().fireMouseMove(c);
    return true;
}

bool App::mouseMove(Form& f)
{
    if (!canReceive(f)) return false;
    Dispatch d(*this);
    f.Form_MouseMove();
    return true;
}

bool App::keyPress(Control& c, int& keyAscii)
{
    if (!canReceive(c)) return false;
    Dispatch d(*this);
    c.form().fireKeyPress(c, keyAscii);
    return true;
}

bool App::closeBox(Form& f)
{
    if (!canReceive(f)) return false;
    Dispatch d(*this);
    bool cancel = false;
    f.Form_QueryUnload(cancel);
    if (!cancel && loadedHere(f)) unload(f.name());
    return true;
}

bool App::typeText(Control& c, std::string text)
{
    if (!canReceive(c)) return false;
    Dispatch d(*this);
    const bool changed = c.text() != text;
    c.setText(std::move(text));
    if (changed) c.form().fireChange(c);
    return true;
}

bool App::selectItem(Control& list, int index)
{
    if (!canReceive(list) || index < 0 || static_cast<std::size_t>(index) >= list.items().size()) return false;
    Dispatch d(*this);
    list.setListIndex(index);
    list.form().fireClick(list);
    return true;
}

bool App::choose(Control& option)
{
    if (!canReceive(option)) return false;
    Dispatch d(*this);
    bool changed = option.value() == 0;
    option.setValue(1);
    if (changed) option.form().fireClick(option);
    return true;
}

bool App::check(Control& box, int value)
{
    if (!canReceive(box)) return false;
    Dispatch d(*this);
    bool changed = box.value() != value;
    box.setValue(value);
    if (changed) box.form().fireClick(box);
    return true;
}

void App::run(const std::function<void()>& step)
{
    Dispatch d(*this);
    step();
}

// ---------------------------------------------------------------- timers

void App::timerChanged(Control& timer, TimerChange change)
{
    auto it = std::find_if(timers_.begin(), timers_.end(), [&timer](const TimerEntry& e) { return e.timer == &timer; });
    bool runs = change != TimerChange::Destroyed && loadedHere(timer.form()) && timer.enabled() &&
                timer.interval() > 0;
    if (!runs) {
        if (it != timers_.end()) timers_.erase(it);
        return;
    }
    if (it == timers_.end())
        timers_.push_back({&timer, now_ + timer.interval(), ++timerOrder_});
    else if (change == TimerChange::Interval)
        it->due = now_ + timer.interval();
}

std::optional<std::int64_t> App::nextDue() const
{
    std::optional<std::int64_t> due;
    for (const auto& e : timers_)
        if (!due || e.due < *due) due = e.due;
    return due;
}

void App::advanceTo(std::int64_t t, bool skipMissed)
{
    for (;;) {
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it)
            if (it->due <= t && (next == timers_.end() || it->due < next->due ||
                                 (it->due == next->due && it->order < next->order)))
                next = it;
        if (next == timers_.end()) break;
        Control& timer = *next->timer;
        now_ = std::max(now_, next->due);
        const std::int64_t interval = timer.interval();
        next->due += interval;
        if (skipMissed && next->due <= t) next->due += ((t - next->due) / interval + 1) * interval;
        Dispatch d(*this);
        timer.form().fireTimer(timer);
    }
    now_ = std::max(now_, t);
}

// ---------------------------------------------------------------- services

void App::msgBox(const std::string& text, const std::string& title) { host_.messageBox(text, title); }

void App::openUrl(const std::string& address) { host_.openUrl(address); }

void App::music(const std::string& name)
{
    if (name == music_) return;
    music_ = name;
    host_.playMusic(name);
}

void App::say(const std::string& line)
{
    if (voice_ && !line.empty()) host_.say(line);
}

void App::setScreen(int widthTwips, int heightTwips)
{
    screenWidth_ = widthTwips;
    screenHeight_ = heightTwips;
}

bool App::prevInstance() { return instanceLock_.heldByAnother(); }

}  // namespace zv
