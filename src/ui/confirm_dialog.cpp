#include "ui/confirm_dialog.h"

#include "engine/palette.h"
#include "ui/design_kit.h"

namespace zv {

frmConfirm::frmConfirm(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("");
    setStyle(WindowStyle::Dialog);
    setBackColor(palette::kBlack);
    setWidth(6600);
    setHeight(2640);
    Control& question = design::label(*this, "Label1", {240, 240, 6120, 1380}, "");
    question.setForeColor(palette::kText);
    question.setFontSize(10);
    Control& yes = design::button(*this, "Command1", {2040, 1860, 1200, 420}, "Yes");
    yes.setShortcut("Y");
    yes.setDefault(true);
    Control& no = design::button(*this, "Command2", {3360, 1860, 1200, 420}, "No");
    no.setShortcut("N");
    no.setCancel(true);
    onClick("Command1", [this](int) { Command1_Click(); });
    onClick("Command2", [this](int) { Command2_Click(); });
}

void frmConfirm::ask(Program& p, const std::string& title, const std::string& question, std::function<void()> onYes)
{
    auto* dialog = dynamic_cast<frmConfirm*>(p.app.load(kName));
    if (!dialog) return;
    dialog->setCaption(title);
    dialog->ctl("Label1").setCaption(question);
    dialog->onYes_ = std::move(onYes);
    p.app.showModal(kName, {});
}

void frmConfirm::Command1_Click()
{
    // The step runs once the question is gone, as it would after a real
    // message box.
    std::function<void()> step = std::move(onYes_);
    p_.app.unload(kName);
    if (step) step();
}

void frmConfirm::Command2_Click() { p_.app.unload(kName); }

}  // namespace zv
