#include "ui/design_kit.h"

namespace zv::design {

namespace {
Control& place(Form& f, Kind kind, std::string name, Box box, int index)
{
    Control& c = f.add(kind, std::move(name), index);
    c.move(box.left, box.top, box.width, box.height);
    return c;
}
}  // namespace

Control& label(Form& f, std::string name, Box box, std::string caption, int index)
{
    Control& c = place(f, Kind::Label, std::move(name), box, index);
    c.setCaption(std::move(caption));
    c.setFontSize(12);
    return c;
}

Control& image(Form& f, std::string name, Box box, int index)
{
    return place(f, Kind::Image, std::move(name), box, index);
}

Control& shape(Form& f, std::string name, Box box, Color fill, int index)
{
    Control& c = place(f, Kind::Shape, std::move(name), box, index);
    c.setBackColor(fill);
    c.setBorderColor(fill);
    return c;
}

Control& line(Form& f, std::string name, int x1, int y1, int x2, int y2, Color color)
{
    Control& c = f.add(Kind::Line, std::move(name));
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.setBorderColor(color);
    return c;
}

Control& frame(Form& f, std::string name, Box box, std::string caption)
{
    Control& c = place(f, Kind::Frame, std::move(name), box, -1);
    c.setCaption(std::move(caption));
    c.setFontSize(10);
    c.setTransparent(false);
    return c;
}

Control& button(Form& f, std::string name, Box box, std::string caption, int index)
{
    Control& c = place(f, Kind::CommandButton, std::move(name), box, index);
    c.setCaption(std::move(caption));
    c.setFontSize(10);
    return c;
}

Control& option(Form& f, std::string name, Box box, std::string caption)
{
    Control& c = place(f, Kind::OptionButton, std::move(name), box, -1);
    c.setCaption(std::move(caption));
    c.setFontSize(10);
    return c;
}

Control& checkBox(Form& f, std::string name, Box box, std::string caption)
{
    Control& c = place(f, Kind::CheckBox, std::move(name), box, -1);
    c.setCaption(std::move(caption));
    c.setFontSize(10);
    return c;
}

Control& textBox(Form& f, std::string name, Box box, int index)
{
    Control& c = place(f, Kind::TextBox, std::move(name), box, index);
    c.setFontSize(10);
    c.setTransparent(false);
    return c;
}

Control& comboBox(Form& f, std::string name, Box box)
{
    Control& c = place(f, Kind::ComboBox, std::move(name), box, -1);
    c.setFontSize(10);
    return c;
}

Control& listBox(Form& f, std::string name, Box box)
{
    Control& c = place(f, Kind::ListBox, std::move(name), box, -1);
    c.setFontSize(10);
    return c;
}

Control& timer(Form& f, std::string name, int interval, bool enabled)
{
    Control& c = f.add(Kind::Timer, std::move(name));
    c.setInterval(interval);
    c.setEnabled(enabled);
    return c;
}

Control& in(Control& frame, Control& c)
{
    c.setContainer(&frame);
    return c;
}

}  // namespace zv::design
