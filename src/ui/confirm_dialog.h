#pragma once
// A question the player answers Yes or No before something that cannot be
// undone (the editor's delete of the selected question). Yes runs the step
// it was asked for; No, Esc and the close box leave everything as it was.

#include <functional>
#include <string>

#include "engine/form_names.h"
#include "engine/program.h"
#include "toolkit/form.h"

namespace zv {

class frmConfirm : public Form {
public:
    static constexpr const char* kName = forms::kConfirm;
    explicit frmConfirm(Program& p);
    void Command1_Click();  // Yes
    void Command2_Click();  // No

    // Shows the question over the caller, who goes on when it is answered.
    static void ask(Program& p, const std::string& title, const std::string& question, std::function<void()> onYes);

private:
    Program& p_;
    std::function<void()> onYes_;
};

}  // namespace zv
