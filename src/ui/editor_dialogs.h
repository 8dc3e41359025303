#pragma once
// The editor's two dialogs: Delete removes one question by its number;
// frmRestore confirms that the default bank may replace the player's.

#include "engine/form_names.h"
#include "engine/program.h"
#include "toolkit/form.h"

namespace zv {

class Delete : public Form {
public:
    static constexpr const char* kName = forms::kDelete;
    explicit Delete(Program& p);
    void Form_Activate() override;
    void Text1_KeyPress(int& keyAscii);
    void Command1_Click();

private:
    Program& p_;
};

class frmRestore : public Form {
public:
    static constexpr const char* kName = forms::kRestore;
    explicit frmRestore(Program& p);
    void Command1_Click();  // Yes
    void Command2_Click();  // No

private:
    Program& p_;
};

}  // namespace zv
