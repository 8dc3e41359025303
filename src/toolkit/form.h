#pragma once
// A form: one window with its controls, its event handlers and its variables.
//
// A form class builds its design-time controls in its constructor, so every
// load starts from the design-time state; the application (application.h)
// creates it on load and destroys it on unload. Handlers are registered by
// control name and run one at a time on the one thread of the program.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/color.h"
#include "toolkit/control.h"
#include "toolkit/vars.h"

namespace zv {

class App;

// How a front end frames the window.
enum class WindowStyle {
    Main,       // a fixed main window with a caption
    Board,      // a window that fills the screen
    Dialog,     // a small framed dialog with a caption
    Bare,       // a small framed dialog without a caption
};

class Form {
public:
    Form(App& app, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    App& app() const { return *app_; }
    const std::string& name() const { return name_; }

    // Design: add a control (index -1 for a plain one, 0.. for an array
    // element) and look controls up. `ctl` throws std::out_of_range for a
    // control the form does not have: that is a programming error.
    Control& add(Kind kind, std::string name, int index = -1);
    Control& ctl(std::string_view name, int index = -1) const;
    Control* find(std::string_view name, int index = -1) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Window properties.
    const std::string& caption() const { return caption_; }
    void setCaption(std::string c) { caption_ = std::move(c); }
    bool visible() const { return visible_; }
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { left_ = v; }
    void setTop(int v) { top_ = v; }
    void setWidth(int v) { width_ = v; }
    void setHeight(int v) { height_ = v; }
    Color backColor() const { return backColor_; }
    void setBackColor(Color c) { backColor_ = c; }
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c) { foreColor_ = c; }
    WindowStyle style() const { return style_; }
    void setStyle(WindowStyle s) { style_ = s; }
    const std::string& picture() const { return picture_; }
    void setPicture(std::string p) { picture_ = std::move(p); }

    // Which load of a form this is: a front end tells a form loaded anew
    // from an unloaded one, even where the new one takes the old one's place
    // in memory.
    unsigned long instance() const { return instance_; }

    // Counts every show, so that a front end can bring the window to the
    // front again when it is shown while already visible.
    unsigned showCount() const { return showCount_; }
    // The control that has the focus, if a handler put it somewhere. Every
    // request is counted, so that a front end moves the focus once when a
    // handler asks, and leaves it where the player puts it afterwards.
    Control* focus() const { return focus_; }
    unsigned focusRequests() const { return focusRequests_; }
    void setFocus(Control& c)
    {
        focus_ = &c;
        ++focusRequests_;
    }

    // The form's own events.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
    // The window's close box (or the window manager's close): runs before
    // the unload, which does not happen when `cancel` is set.
    virtual void Form_QueryUnload(bool& cancel) { (void)cancel; }
    virtual void Form_MouseMove() {}

    // Control events, registered by control name; array elements receive
    // their index, plain controls -1. A handler for a control the form does
    // not have (a misspelt or renamed one, which would never run) throws
    // std::logic_error when it is registered, so that the form fails to load.
    using Handler = std::function<void(int index)>;
    using KeyHandler = std::function<void(int index, int& keyAscii)>;
    void onClick(std::string control, Handler h);
    void onMouseMove(std::string control, Handler h);
    void onKeyPress(std::string control, KeyHandler h);
    void onTimer(std::string timer, std::function<void()> h);
    // A text box's or combo box's text changed by the player.
    void onChange(std::string control, Handler h);

    void fireClick(Control& c);
    void fireChange(Control& c);
    void fireMouseMove(Control& c);
    void fireKeyPress(Control& c, int& keyAscii);
    void fireTimer(Control& timer);

    // Variables of the form that the script driver may print.
    const VarTable& vars() const { return vars_; }

    // Property of the window by name, as the script driver prints it.
    std::optional<std::string> format(Prop p) const;

    // Scales the left and width of every control by the screen width over
    // 15360 twips, and the top and height by the screen height over 11520,
    // keeping the integer part (controls without a size, such as timers and
    // lines, are passed over). With `window`, the window's own size too.
    void scaleToScreen(bool window);
    // Whether the form was laid out for the screen by scaleToScreen.
    bool scaledToScreen() const { return scaledToScreen_; }

protected:
    VarTable vars_;

private:
    friend class App;
    App* app_;
    std::string name_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::map<std::pair<std::string, int>, Control*, std::less<>> byName_;

    std::string caption_;
    bool visible_ = false;
    int left_ = 0, top_ = 0, width_ = 4800, height_ = 3600;
    Color backColor_{0, 0, 0};
    Color foreColor_{255, 255, 255};
    WindowStyle style_ = WindowStyle::Dialog;
    std::string picture_;
    unsigned showCount_ = 0;
    unsigned long instance_ = 0;
    Control* focus_ = nullptr;
    unsigned focusRequests_ = 0;
    bool scaledToScreen_ = false;

    void requireControl(const std::string& control, bool timer) const;

    std::map<std::string, Handler, std::less<>> click_;
    std::map<std::string, Handler, std::less<>> change_;
    std::map<std::string, Handler, std::less<>> move_;
    std::map<std::string, KeyHandler, std::less<>> key_;
    std::map<std::string, std::function<void()>, std::less<>> timer_;
};

}  // namespace zv
