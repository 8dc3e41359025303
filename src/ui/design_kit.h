#pragma once
// Small helpers for the design-time layouts of the windows: each adds one
// control at its position (twips: left, top, width, height) with the
// properties most controls of its kind are given.

#include <string>

#include "toolkit/form.h"

namespace zv::design {

struct Box {
    int left, top, width, height;
};

Control& label(Form& f, std::string name, Box box, std::string caption, int index = -1);
Control& image(Form& f, std::string name, Box box, int index = -1);
Control& shape(Form& f, std::string name, Box box, Color fill, int index = -1);
Control& line(Form& f, std::string name, int x1, int y1, int x2, int y2, Color color);
Control& frame(Form& f, std::string name, Box box, std::string caption);
Control& button(Form& f, std::string name, Box box, std::string caption, int index = -1);
Control& option(Form& f, std::string name, Box box, std::string caption);
Control& checkBox(Form& f, std::string name, Box box, std::string caption);
Control& textBox(Form& f, std::string name, Box box, int index = -1);
Control& comboBox(Form& f, std::string name, Box box);
Control& listBox(Form& f, std::string name, Box box);
Control& timer(Form& f, std::string name, int interval, bool enabled);

// Puts `c` inside `frame`: its position is then relative to the frame.
Control& in(Control& frame, Control& c);

}  // namespace zv::design
