#pragma once
// What a front end does for the model: the system's message box and the
// browser. The Qt front end shows real windows; the script driver prints.

#include <string>

namespace zv {

class Host {
public:
    virtual ~Host() = default;
    // A system message box with an OK button. An empty title means the
    // default title. The caller waits until it is closed.
    virtual void messageBox(const std::string& text, const std::string& title) = 0;
    // Opens a web page (or a local file) in the user's browser.
    virtual void openUrl(const std::string& address) = 0;
};

}  // namespace zv
