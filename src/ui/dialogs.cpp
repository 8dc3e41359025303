#include "ui/dialogs.h"

#include "engine/game.h"
#include "engine/palette.h"
#include "ui/design_kit.h"

namespace zv {

namespace {
// All four dialogs share one layout: a picture on the left, the text, and an
// OK button under it (hidden at design time for Message and Message2).
void designMessage(Form& f, const char* textLabel, bool okVisible)
{
    f.setStyle(WindowStyle::Bare);
    f.setBackColor(palette::kBlack);
    f.setWidth(6600);
    f.setHeight(2400);
    design::image(f, "Image1", {240, 360, 1200, 1200});
    Control& text = design::label(f, textLabel, {1680, 240, 4680, 1320}, "");
    text.setForeColor(palette::kText);
    text.setAlignment(Align::Center);
    Control& ok = design::button(f, forms::kDialogOk, {3420, 1740, 1200, 420}, "OK");
    ok.setVisible(okVisible);
    ok.setShortcut("Return");
    ok.setDefault(true);
    ok.setCancel(true);
}

// The dialogs work on the board only while it is there; they never open
// one (a board loaded here would be a new, empty one).
Game* board(Program& p) { return p.app.findAs<Game>(); }
}  // namespace

// ---------------------------------------------------------------- Message

MessageDialog::MessageDialog(Program& p) : Form(p.app, kName), p_(p)
{
    designMessage(*this, forms::kMessageText, false);
    onClick(forms::kDialogOk, [this](int) { Command1_Click(); });
}

void MessageDialog::Form_Load() { p_.m.MsgOpen = true; }

void MessageDialog::Command1_Click()
{
    if (Game* game = board(p_)) game->stopLockFlicker();
    p_.app.unload(kName);
}

void MessageDialog::Form_Unload()
{
    p_.m.MsgOpen = false;
    if (Game* game = board(p_)) game->verdictClosed();
}

// ---------------------------------------------------------------- Message2

Message2Dialog::Message2Dialog(Program& p) : Form(p.app, kName), p_(p)
{
    designMessage(*this, forms::kMessageText, false);
    onClick(forms::kDialogOk, [this](int) { Command1_Click(); });
}

void Message2Dialog::Form_Load() { p_.m.Msg2Open = true; }

void Message2Dialog::Command1_Click()
{
    if (Game* game = board(p_)) game->stopLockFlicker();
    ctl(forms::kDialogOk).setVisible(false);
    p_.m.Msg2Open = false;
    p_.app.unload(kName);
}

void Message2Dialog::Form_Unload() { p_.m.Msg2Open = false; }

// ---------------------------------------------------------------- Message3

Message3Dialog::Message3Dialog(Program& p) : Form(p.app, kName), p_(p)
{
    designMessage(*this, forms::kMessageText, true);
    onClick(forms::kDialogOk, [this](int) { Command1_Click(); });
}

void Message3Dialog::Form_Load() { p_.m.Msg3Open = true; }

void Message3Dialog::Command1_Click()
{
    p_.m.Msg3Open = false;
    p_.app.unload(kName);
    if (Game* game = board(p_)) game->message3Answered();
}

// ---------------------------------------------------------------- Result

ResultDialog::ResultDialog(Program& p) : Form(p.app, kName), p_(p)
{
    designMessage(*this, forms::kResultText, true);
    onClick(forms::kDialogOk, [this](int) { Command1_Click(); });
}

void ResultDialog::Command1_Click()
{
    p_.m.MsgOpen = false;
    if (Game* game = board(p_)) game->resultAnswered();
    p_.app.unload(kName);
}

}  // namespace zv
