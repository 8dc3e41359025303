#pragma once
// The Sound dialog, reached from Options: music and effects volumes and the
// host's voice, kept in zarvana.ini. OK saves and applies them at once;
// Cancel leaves everything as it was.

#include "engine/program.h"
#include "toolkit/form.h"

namespace zv {

class frmSound : public Form {
public:
    static constexpr const char* kName = "frmSound";
    explicit frmSound(Program& p);
    void Form_Load() override;
    void Command1_Click();  // OK
    void Command2_Click();  // Cancel

private:
    Program& p_;
};

}  // namespace zv
