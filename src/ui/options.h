#pragma once
// The Options dialog and config.txt: the game type, the fast start-up and
// the host advice. The dialog's load is the only reader of the file; the
// game board loads it, hidden, to learn the options.

#include "engine/form_names.h"
#include "engine/program.h"
#include "toolkit/form.h"

namespace zv {

class frmOptions : public Form {
public:
    static constexpr const char* kName = forms::kOptions;
    static constexpr const char* kFile = "config.txt";
    explicit frmOptions(Program& p);
    void Form_Load() override;
    void Command1_Click();

private:
    void applyDefaults();
    Program& p_;
};

}  // namespace zv
