#pragma once
// The confirmation before the board is left: "Are you sure that you want to
// exit?" Yes closes the board and removes its working copies; No returns to
// the game as it was.

#include "engine/form_names.h"
#include "engine/program.h"
#include "toolkit/form.h"

namespace zv {

class frmExit : public Form {
public:
    static constexpr const char* kName = forms::kExit;
    explicit frmExit(Program& p);
    void Form_Load() override;
    void Command1_Click();  // Yes
    void Command2_Click();  // No

private:
    Program& p_;
};

}  // namespace zv
