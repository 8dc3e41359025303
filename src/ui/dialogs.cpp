#include "ui/dialogs.h"

#include "engine/game.h"
#include "ui/design_kit.h"

namespace zv {

namespace {
// All four dialogs share one layout: a picture on the left, the text, and an
// OK button under it (hidden at design time for Message and Message2).
void designMessage(Form& f, const char* textLabel, bool okVisible)
{
    f.setStyle(WindowStyle::Bare);
    f.setBackColor(RGB(0, 0, 0));
    f.setWidth(6600);
    f.setHeight(2400);
    design::image(f, "Image1", {240, 360, 1200, 1200});
    Control& text = design::label(f, textLabel, {1680, 240, 4680, 1320}, "");
    text.setForeColor(RGB(255, 192, 128));
    text.setAlignment(Align::Center);
    Control& ok = design::button(f, "Command1", {3420, 1740, 1200, 420}, "OK");
    ok.setVisible(okVisible);
    ok.setShortcut("Return");
    ok.setDefault(true);
    ok.setCancel(true);
}

// The first steps of every OK: the lock label's flicker stops.
void stopLockFlicker(Game& game)
{
    game.lblLock.setForeColor(RGB(255, 128, 0));
    game.Timer5.setEnabled(false);
}
}  // namespace

// ---------------------------------------------------------------- Message

MessageDialog::MessageDialog(Program& p) : Form(p.app, kName), p_(p)
{
    designMessage(*this, "lblCaption", false);
    onClick("Command1", [this](int) { Command1_Click(); });
}

void MessageDialog::Form_Load() { p_.m.MsgOpen = true; }

void MessageDialog::Command1_Click()
{
    if (Game* game = p_.app.findAs<Game>()) stopLockFlicker(*game);
    p_.app.unload(kName);
}

void MessageDialog::Form_Unload()
{
    Module1& m = p_.m;
    m.MsgOpen = false;
    // The dialogs work on the board only while it is there; they never open
    // one (a board loaded here would be a new, empty one).
    Game* board = p_.app.findAs<Game>();
    if (!board) return;
    Game& game = *board;
    game.MakeOptionsUsable();
    for (Control* c : {&game.lblLock, &game.lblKya, &game.lblWith, &game.lblExit}) c->setEnabled(true);
    game.RestoreLifelines();
    if (m.GameType == 2) {
        // A right "ZRV like" verdict moves the game on when it is closed.
        game.Timer4.setEnabled(false);
        game.ClearAnswerPictures();
        if (m.SelectedAnswer == m.QuestionRec[kAnswer]) {
            game.q_Level();
            game.NextQuestion();
        }
        if (game.lblQNo.caption() != "16") game.ClearAnswer();
        game.Enable();
    }
}

// ---------------------------------------------------------------- Message2

Message2Dialog::Message2Dialog(Program& p) : Form(p.app, kName), p_(p)
{
    designMessage(*this, "lblCaption", false);
    onClick("Command1", [this](int) { Command1_Click(); });
}

void Message2Dialog::Form_Load() { p_.m.Msg2Open = true; }

void Message2Dialog::Command1_Click()
{
    if (Game* game = p_.app.findAs<Game>()) stopLockFlicker(*game);
    ctl("Command1").setVisible(false);
    p_.m.Msg2Open = false;
    p_.app.unload(kName);
}

void Message2Dialog::Form_Unload() { p_.m.Msg2Open = false; }

// ---------------------------------------------------------------- Message3

Message3Dialog::Message3Dialog(Program& p) : Form(p.app, kName), p_(p)
{
    designMessage(*this, "lblCaption", true);
    onClick("Command1", [this](int) { Command1_Click(); });
}

void Message3Dialog::Form_Load() { p_.m.Msg3Open = true; }

void Message3Dialog::Command1_Click()
{
    Module1& m = p_.m;
    if (Game* game = p_.app.findAs<Game>()) stopLockFlicker(*game);
    m.Msg3Open = false;
    p_.app.unload(kName);
    Game* board = p_.app.findAs<Game>();
    if (!board) return;

    Game& game = *board;
    auto enableActions = [&game, &m] {
        game.lblLock.setEnabled(true);
        game.lblKya.setEnabled(m.KyaAllowed);
        game.lblWith.setEnabled(true);
        game.lblExit.setEnabled(true);
    };
    if (m.GameType == 1) {
        if (m.Msg3Flag == 0) {
            // The Blinking reveal said "The answer is correct.": next question.
            game.NextQuestion();
            game.ClearAnswerPictures();
            for (Control* c : {&game.lblLock, &game.lblKya, &game.lblWith, &game.lblExit}) c->setEnabled(true);
            game.RestoreLifelines();
            for (Control* c : {&game.ImgA, &game.ImgB, &game.ImgC, &game.ImgD, game.lblAnswer[1], game.lblAnswer[2],
                               game.lblAnswer[3], game.lblAnswer[0], &game.lblA, &game.lblB, &game.lblC, &game.lblD})
                c->setEnabled(true);
            game.lblKya.setEnabled(m.KyaAllowed);
        } else {
            // Advice, the friend's answer or the prompt: the board as it was.
            game.lblLock.setEnabled(true);
            if (m.KyaAllowed) game.lblKya.setEnabled(true);
            game.lblWith.setEnabled(true);
            game.lblExit.setEnabled(true);
            game.RestoreLifelines();
            m.Msg3Flag = 0;
        }
    }
    if (m.GameType == 2 || m.GameType == 3) {
        enableActions();
        game.RestoreLifelines();
    }
    if (m.Msg3FromReveal == 1) {
        game.MakeOptionsUsable();
        m.Msg3FromReveal = 0;
    }
}

// ---------------------------------------------------------------- Result

ResultDialog::ResultDialog(Program& p) : Form(p.app, kName), p_(p)
{
    designMessage(*this, "Label1", true);
    onClick("Command1", [this](int) { Command1_Click(); });
}

void ResultDialog::Command1_Click()
{
    // Prepares the board for a new game; Start begins it.
    Module1& m = p_.m;
    m.GameOver = false;
    m.MsgOpen = false;
    if (Game* game = p_.app.findAs<Game>()) {
        stopLockFlicker(*game);
        game->MakeOptionsUsable();
        for (Control* c : {&game->lblLock, &game->lblKya, &game->lblWith, &game->lblExit}) c->setEnabled(true);
        game->lblStart.setVisible(true);
        game->RestoreLifelines();
        if (m.GameType == 2) game->Timer4.setEnabled(false);
    }
    p_.app.unload(kName);
}

}  // namespace zv
