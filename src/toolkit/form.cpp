#include "toolkit/form.h"

#include <cmath>
#include <limits>
#include <stdexcept>

#include "toolkit/application.h"
#include "toolkit/values.h"

namespace zv {

Form::Form(App& app, std::string name) : app_(&app), name_(std::move(name)) {}

Form::~Form() = default;

Control& Form::add(Kind kind, std::string name, int index)
{
    controls_.push_back(std::make_unique<Control>(*this, kind, name, index));
    Control& c = *controls_.back();
    byName_[{std::move(name), index}] = &c;
    return c;
}

Control* Form::find(std::string_view name, int index) const
{
    auto it = byName_.find(std::pair<std::string, int>(std::string(name), index));
    return it == byName_.end() ? nullptr : it->second;
}

Control& Form::ctl(std::string_view name, int index) const
{
    if (Control* c = find(name, index)) return *c;
    throw std::out_of_range(name_ + " has no control " + std::string(name) + "(" + std::to_string(index) + ")");
}

void Form::scaleToScreen(bool window)
{
    const double rw = app_->screenWidth() / static_cast<double>(kDesignScreenWidth);
    const double rh = app_->screenHeight() / static_cast<double>(kDesignScreenHeight);
    auto scaled = [](int v, double r) { return static_cast<int>(std::floor(v * r)); };
    if (window) {
        width_ = scaled(width_, rw);
        height_ = scaled(height_, rh);
    }
    scaledToScreen_ = true;
    for (const auto& c : controls_) {
        c->keepDesignFontSize();
        if (!c->has(Prop::Width)) continue;
        c->setWidth(scaled(c->width(), rw));
        c->setLeft(scaled(c->left(), rw));
        c->setHeight(scaled(c->height(), rh));
        c->setTop(scaled(c->top(), rh));
    }
}

void Form::requireControl(const std::string& control, bool timer) const
{
    // Array elements are keyed by index: any element of the name will do.
    auto it = byName_.lower_bound(std::pair<std::string, int>(control, std::numeric_limits<int>::min()));
    const bool found = it != byName_.end() && it->first.first == control;
    if (!found || (timer && it->second->kind() != Kind::Timer))
        throw std::logic_error(name_ + " has no " + (timer ? "timer " : "control ") + control + " for a handler");
}

void Form::onClick(std::string control, Handler h)
{
    requireControl(control, false);
    click_[std::move(control)] = std::move(h);
}

void Form::onMouseMove(std::string control, Handler h)
{
    requireControl(control, false);
    move_[std::move(control)] = std::move(h);
}

void Form::onKeyPress(std::string control, KeyHandler h)
{
    requireControl(control, false);
    key_[std::move(control)] = std::move(h);
}

void Form::onTimer(std::string timer, std::function<void()> h)
{
    requireControl(timer, true);
    timer_[std::move(timer)] = std::move(h);
}

void Form::onChange(std::string control, Handler h)
{
    requireControl(control, false);
    change_[std::move(control)] = std::move(h);
}

void Form::fireChange(Control& c)
{
    if (auto it = change_.find(c.name()); it != change_.end()) it->second(c.index());
}

void Form::fireClick(Control& c)
{
    if (auto it = click_.find(c.name()); it != click_.end()) it->second(c.index());
}

void Form::fireMouseMove(Control& c)
{
    if (auto it = move_.find(c.name()); it != move_.end()) it->second(c.index());
}

void Form::fireKeyPress(Control& c, int& keyAscii)
{
    if (auto it = key_.find(c.name()); it != key_.end()) it->second(c.index(), keyAscii);
}

void Form::fireTimer(Control& timer)
{
    if (auto it = timer_.find(timer.name()); it != timer_.end()) it->second();
}

std::optional<std::string> Form::format(Prop p) const
{
    switch (p) {
    case Prop::Caption: return caption_;
    case Prop::Visible: return formatBool(visible_);
    case Prop::Left: return formatNumber(left_);
    case Prop::Top: return formatNumber(top_);
    case Prop::Width: return formatNumber(width_);
    case Prop::Height: return formatNumber(height_);
    case Prop::BackColor: return toString(backColor_);
    case Prop::ForeColor: return toString(foreColor_);
    case Prop::Picture: return picture_;
    default: return std::nullopt;
    }
}

}  // namespace zv
