#pragma once
// A control of a form: a label, picture, shape, button, box or timer.
//
// Controls hold their state as plain properties. Positions and sizes are in
// twips (15 to a pixel on the screens the windows are laid out for). A
// control that belongs to a control array carries its index; the others have
// index -1. Whatever a front end shows is read from these properties after
// every event, so a handler only ever changes the model.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/color.h"

namespace zv {

class Form;

enum class Kind {
    Label,
    Image,
    Shape,
    Line,
    OptionButton,
    CheckBox,
    ListBox,
    ComboBox,
    TextBox,
    Frame,
    CommandButton,
    Timer,
};

// The properties a handler or the script driver may read by name.
enum class Prop {
    Caption,
    Text,
    ForeColor,
    BackColor,
    Visible,
    Enabled,
    Picture,
    Left,
    Top,
    Width,
    Height,
    FontSize,
    Value,
    Interval,
    ListCount,
    ToolTipText,
};

std::optional<Prop> propFromName(std::string_view name);

enum class Align { Left, Center, Right };

class Control;

// A frame that a front end with a chart library draws as a bar chart (or a
// line): one
// bar a category, its value the number in the caption of its value label
// (an empty caption is no bar). The frame's own bars, lines and labels are
// the chart's, drawn by hand where there is no chart library; only the
// frame's buttons are drawn beside the chart.
struct BarChart {
    std::vector<const Control*> valueLabels;
    std::vector<std::string> categories;
    // The colour of the bars is that of this control's back colour.
    const Control* barColour = nullptr;
    std::string categoryTitle, valueTitle;
    // Values are shares of 100 (an audience's votes): the axis runs to 100.
    bool percent = false;
    // The values joined by a line (a course over time) rather than bars.
    bool line = false;
};

class Control {
public:
    Control(Form& form, Kind kind, std::string name, int index);
    ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Identity.
    Form& form() const { return *form_; }
    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    // "lblLock" or "Label1(4)".
    std::string displayName() const;

    // The frame that holds this control, or null for the form itself.
    Control* container() const { return container_; }
    void setContainer(Control* frame) { container_ = frame; }

    // Whether the control has the property at all; reading or writing one it
    // lacks is an error for the script driver and skipped by the scaling.
    bool has(Prop p) const;
    // The property as the script driver prints it; nullopt when absent.
    std::optional<std::string> format(Prop p) const;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string s) { caption_ = std::move(s); }

    const std::string& text() const { return text_; }
    void setText(std::string s);

    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c) { foreColor_ = c; }
    Color backColor() const { return backColor_; }
    void setBackColor(Color c) { backColor_ = c; }

    bool visible() const { return visible_; }
    void setVisible(bool v) { visible_ = v; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    // The picture is named by the control that first held it: a control shows
    // its own design-time picture until another control's picture is copied in.
    const std::string& picture() const { return picture_; }
    void setPicture(std::string holder) { picture_ = std::move(holder); }
    void copyPicture(const Control& from) { picture_ = from.picture_; }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { left_ = v; }
    void setTop(int v) { top_ = v; }
    void setWidth(int v) { width_ = v; }
    void setHeight(int v) { height_ = v; }
    void move(int left, int top, int width, int height);

    double fontSize() const { return fontSize_; }
    void setFontSize(double pt) { fontSize_ = pt; }
    // The font size the control was designed with, for the 1024 x 768
    // layout, kept when a form is scaled to the screen: a front end that
    // draws the form at another size keeps its text in proportion with it.
    double designFontSize() const { return designFontSize_ > 0 ? designFontSize_ : fontSize_; }
    void keepDesignFontSize() { designFontSize_ = fontSize_; }
    const std::string& fontName() const { return fontName_; }
    void setFontName(std::string n) { fontName_ = std::move(n); }
    bool fontBold() const { return fontBold_; }
    void setFontBold(bool b) { fontBold_ = b; }

    // Option buttons: selected or not (selecting one clears the others of
    // its container). Check boxes: 0 or 1.
    int value() const { return value_; }
    void setValue(int v);

    // List and combo boxes.
    const std::vector<std::string>& items() const { return items_; }
    void addItem(std::string item)
    {
        items_.push_back(std::move(item));
        ++itemsVersion_;
    }
    // Changes with every change of the items, for a front end to notice.
    unsigned itemsVersion() const { return itemsVersion_; }
    void clear();
    int listIndex() const { return listIndex_; }
    void setListIndex(int i);

    const std::string& toolTipText() const { return toolTip_; }
    void setToolTipText(std::string s) { toolTip_ = std::move(s); }

    // Timers.
    int interval() const { return interval_; }
    void setInterval(int ms);

    // Design data that only the drawing reads.
    Align alignment() const { return alignment_; }
    void setAlignment(Align a) { alignment_ = a; }
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool w) { wordWrap_ = w; }
    bool transparent() const { return transparent_; }
    void setTransparent(bool t) { transparent_ = t; }
    // A key that clicks the control, as a front end with a keyboard offers
    // it ("A", "Return", "Ctrl+Q"); empty for none.
    const std::string& shortcut() const { return shortcut_; }
    void setShortcut(std::string key) { shortcut_ = std::move(key); }
    // Command buttons: Enter clicks the default button of the window, Esc
    // its cancel button.
    bool isDefault() const { return default_; }
    void setDefault(bool d) { default_ = d; }
    bool isCancel() const { return cancel_; }
    void setCancel(bool c) { cancel_ = c; }
    // Frames: drawn as a bar chart where the front end can.
    const BarChart* barChart() const { return barChart_.get(); }
    void setBarChart(BarChart chart) { barChart_ = std::make_shared<const BarChart>(std::move(chart)); }

    // A caption made of two parts separated by a run of blanks, drawn as two
    // columns: the first on the left, the second on the right.
    bool columns() const { return columns_; }
    void setColumns(bool c) { columns_ = c; }

    // Text drawn with a dark shadow, to read on any picture behind it.
    bool textShadow() const { return textShadow_; }
    void setTextShadow(bool s) { textShadow_ = s; }
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color c) { borderColor_ = c; }
    // Lines: both ends, in twips.
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;

private:
    Form* form_;
    Kind kind_;
    std::string name_;
    int index_;
    Control* container_ = nullptr;

    std::string caption_;
    std::string text_;
    Color foreColor_{0, 0, 0};
    Color backColor_{255, 255, 255};
    bool visible_ = true;
    bool enabled_ = true;
    std::string picture_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    double fontSize_ = 8.25;
    double designFontSize_ = 0;
    std::string fontName_ = "Arial";
    bool fontBold_ = false;
    int value_ = 0;
    std::vector<std::string> items_;
    unsigned itemsVersion_ = 0;
    int listIndex_ = -1;
    std::string toolTip_;
    int interval_ = 0;
    Align alignment_ = Align::Left;
    bool wordWrap_ = true;
    bool transparent_ = true;
    bool textShadow_ = false;
    bool columns_ = false;
    std::string shortcut_;
    bool default_ = false;
    bool cancel_ = false;
    std::shared_ptr<const BarChart> barChart_;
    Color borderColor_{0, 0, 0};
};

}  // namespace zv
