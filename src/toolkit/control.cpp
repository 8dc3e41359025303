#include "toolkit/control.h"

#include <array>
#include <utility>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/values.h"

namespace zv {

namespace {

constexpr std::array<std::pair<std::string_view, Prop>, 16> kPropNames{{
    {"Caption", Prop::Caption},
    {"Text", Prop::Text},
    {"ForeColor", Prop::ForeColor},
    {"BackColor", Prop::BackColor},
    {"Visible", Prop::Visible},
    {"Enabled", Prop::Enabled},
    {"Picture", Prop::Picture},
    {"Left", Prop::Left},
    {"Top", Prop::Top},
    {"Width", Prop::Width},
    {"Height", Prop::Height},
    {"FontSize", Prop::FontSize},
    {"Value", Prop::Value},
    {"Interval", Prop::Interval},
    {"ListCount", Prop::ListCount},
    {"ToolTipText", Prop::ToolTipText},
}};

constexpr unsigned bit(Prop p) { return 1u << static_cast<unsigned>(p); }

constexpr unsigned kGeometry = bit(Prop::Left) | bit(Prop::Top) | bit(Prop::Width) | bit(Prop::Height);
constexpr unsigned kWindowed = kGeometry | bit(Prop::Visible) | bit(Prop::Enabled) | bit(Prop::FontSize) |
                               bit(Prop::ToolTipText) | bit(Prop::BackColor);

unsigned propsOf(Kind k)
{
    switch (k) {
    case Kind::Label:
    case Kind::Frame: return kWindowed | bit(Prop::Caption) | bit(Prop::ForeColor);
    case Kind::Image: return kGeometry | bit(Prop::Visible) | bit(Prop::Enabled) | bit(Prop::Picture) | bit(Prop::ToolTipText);
    case Kind::Shape: return kGeometry | bit(Prop::Visible) | bit(Prop::BackColor);
    case Kind::Line: return bit(Prop::Visible);
    case Kind::OptionButton:
    case Kind::CheckBox: return kWindowed | bit(Prop::Caption) | bit(Prop::ForeColor) | bit(Prop::Value);
    case Kind::ListBox: return kWindowed | bit(Prop::ForeColor) | bit(Prop::ListCount) | bit(Prop::Text);
    case Kind::ComboBox: return kWindowed | bit(Prop::ForeColor) | bit(Prop::ListCount) | bit(Prop::Text);
    case Kind::TextBox: return kWindowed | bit(Prop::ForeColor) | bit(Prop::Text);
    case Kind::CommandButton: return kWindowed | bit(Prop::Caption);
    case Kind::Timer: return bit(Prop::Enabled) | bit(Prop::Interval);
    }
    return 0;
}

}  // namespace

std::optional<Prop> propFromName(std::string_view name)
{
    for (auto [n, p] : kPropNames)
        if (n == name) return p;
    return std::nullopt;
}

Control::Control(Form& form, Kind kind, std::string name, int index)
    : form_(&form), kind_(kind), name_(std::move(name)), index_(index), picture_(name_)
{
    if (kind_ == Kind::Timer) enabled_ = false;
}

Control::~Control()
{
    if (kind_ == Kind::Timer) form_->app().timerChanged(*this, TimerChange::Destroyed);
}

std::string Control::displayName() const
{
    if (index_ < 0) return name_;
    return name_ + "(" + std::to_string(index_) + ")";
}

bool Control::has(Prop p) const { return (propsOf(kind_) & bit(p)) != 0; }

std::optional<std::string> Control::format(Prop p) const
{
    if (!has(p)) return std::nullopt;
    switch (p) {
    case Prop::Caption: return caption_;
    case Prop::Text:
        if (kind_ == Kind::ListBox) return listIndex_ >= 0 ? items_[static_cast<size_t>(listIndex_)] : std::string();
        return text_;
    case Prop::ForeColor: return toString(foreColor_);
    case Prop::BackColor: return toString(backColor_);
    case Prop::Visible: return formatBool(visible_);
    case Prop::Enabled: return formatBool(enabled_);
    case Prop::Picture: return picture_;
    case Prop::Left: return formatNumber(left_);
    case Prop::Top: return formatNumber(top_);
    case Prop::Width: return formatNumber(width_);
    case Prop::Height: return formatNumber(height_);
    case Prop::FontSize: return formatNumber(fontSize_);
    case Prop::Value: return kind_ == Kind::OptionButton ? formatBool(value_ != 0) : formatNumber(value_);
    case Prop::Interval: return formatNumber(interval_);
    case Prop::ListCount: return formatNumber(static_cast<double>(items_.size()));
    case Prop::ToolTipText: return toolTip_;
    }
    return std::nullopt;
}

void Control::setText(std::string s)
{
    text_ = std::move(s);
    if (kind_ == Kind::ComboBox) {
        listIndex_ = -1;
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == text_) listIndex_ = static_cast<int>(i);
    }
}

void Control::setEnabled(bool v)
{
    if (kind_ == Kind::Timer && v != enabled_) {
        enabled_ = v;
        form_->app().timerChanged(*this, TimerChange::Enabled);
        return;
    }
    enabled_ = v;
}

void Control::setInterval(int ms)
{
    interval_ = ms;
    if (kind_ == Kind::Timer) form_->app().timerChanged(*this, TimerChange::Interval);
}

void Control::move(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void Control::setValue(int v)
{
    value_ = v;
    if (kind_ != Kind::OptionButton || v == 0) return;
    // Option buttons of one container form a group: one selected at a time.
    for (const auto& other : form_->controls())
        if (other.get() != this && other->kind_ == Kind::OptionButton && other->container_ == container_)
            other->value_ = 0;
}

void Control::clear()
{
    items_.clear();
    ++itemsVersion_;
    listIndex_ = -1;
    if (kind_ == Kind::ComboBox) text_.clear();
}

void Control::setListIndex(int i)
{
    listIndex_ = (i >= 0 && static_cast<size_t>(i) < items_.size()) ? i : -1;
    if (kind_ == Kind::ComboBox) text_ = listIndex_ >= 0 ? items_[static_cast<size_t>(listIndex_)] : std::string();
}

}  // namespace zv
