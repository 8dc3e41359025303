#include "ui/exit_dialog.h"

#include "bank/bank_folder.h"
#include "engine/palette.h"
#include "ui/design_kit.h"

namespace zv {

frmExit::frmExit(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("Exit");
    setStyle(WindowStyle::Dialog);
    setBackColor(palette::kBlack);
    setWidth(6000);
    setHeight(2400);
    design::image(*this, "Image1", {240, 300, 1200, 1200});
    Control& question = design::label(*this, "Label1", {1680, 360, 4080, 840}, "Are you sure that you want to exit?");
    question.setForeColor(palette::kText);
    question.setAlignment(Align::Center);
    Control& yes = design::button(*this, "Command1", {2160, 1500, 1200, 420}, "Yes");
    yes.setShortcut("Y");
    yes.setDefault(true);
    Control& no = design::button(*this, "Command2", {3720, 1500, 1200, 420}, "No");
    no.setShortcut("N");
    no.setCancel(true);
    onClick("Command1", [this](int) { Command1_Click(); });
    onClick("Command2", [this](int) { Command2_Click(); });
}

void frmExit::Form_Load() { p_.m.ExitOpen = true; }

void frmExit::Command2_Click()
{
    p_.m.ExitOpen = false;
    p_.app.unload(kName);
}

void frmExit::Command1_Click()
{
    p_.m.HoverExit = false;
    p_.m.ExitOpen = false;
    p_.app.unload(kName);
    p_.app.unload(forms::kGame);
    p_.bank.remove(bankfile::kLevelCopy);
    p_.bank.remove(bankfile::kDrawCopy);
}

}  // namespace zv
