#include "ui/options.h"

#include "bank/bank_folder.h"
#include "engine/palette.h"
#include "ui/design_kit.h"
#include "ui/game_settings.h"
#include "ui/history_recorder.h"
#include "ui/ini_file.h"

namespace zv {

namespace {
const char* kRiskyTip =
    "Setting this option is risky, as it doesn't check the number of questions present for each level. This may "
    "result in error message while playing if no. of questions for any level is 0.";
}

frmOptions::frmOptions(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("Options");
    setStyle(WindowStyle::Dialog);
    setBackColor(palette::kBlack);
    setWidth(5400);
    // The described three frames, and below them the player's record.
    setHeight(4380 + 1020);

    const Color panel = RGB(24, 24, 24);
    const Color text = palette::kText;
    Control& type = design::frame(*this, "Frame2", {240, 180, 4920, 1380}, "Game Type");
    const char* captions[] = {"Blinking", "ZRV like", "Fast"};
    for (int i = 0; i < 3; ++i) {
        Control& o = design::in(type, design::option(*this, "Option" + std::to_string(i + 1),
                                                     {240 + i * 1560, 600, 1500, 420}, captions[i]));
        o.setForeColor(text);
        o.setBackColor(panel);
    }
    Control& startup = design::frame(*this, "Frame3", {240, 1680, 4920, 900}, "Startup");
    startup.setToolTipText(kRiskyTip);
    Control& fast = design::in(startup, design::checkBox(*this, "Check1", {240, 380, 4440, 360}, "Fast Startup (Risky)"));
    fast.setToolTipText(kRiskyTip);
    Control& game = design::frame(*this, "Frame1", {240, 2700, 4920, 900}, "Game Option");
    design::in(game, design::checkBox(*this, "Check2", {240, 380, 4440, 360},
                                      "\"Kya Lagta Hai\" Option to be present."));
    Control& record = design::frame(*this, "Frame4", {240, 3720, 4920, 900}, "Your record");
    Control& fresh = design::in(record, design::checkBox(*this, "Check3", {240, 380, 4440, 360},
                                                         "Fresh questions first"));
    fresh.setToolTipText("Each question is drawn from those of its level you have not been asked yet in your "
                         "recorded games; once you have met them all, from those you met longest ago. Kept in "
                         "zarvana.ini.");
    for (Control* c : {&type, &startup, &game, &record}) {
        c->setForeColor(palette::kOrange);
        c->setBackColor(panel);
    }
    for (Control* c : {&fast, &ctl("Check2"), &fresh}) {
        c->setForeColor(text);
        c->setBackColor(panel);
    }
    design::button(*this, "Command1", {2100, 3720 + 1020, 1200, 420}, "OK").setDefault(true);
    // Beside OK: the sound settings, kept apart from config.txt.
    design::button(*this, "Command2", {3480, 3720 + 1020, 1200, 420}, "Sound...").setToolTipText(
        "Music and effects volumes, and the host's voice");

    // The design-time choices are the defaults.
    ctl("Option2").setValue(1);
    ctl("Check1").setValue(1);
    ctl("Check2").setValue(1);

    onClick("Command1", [this](int) { Command1_Click(); });
    onClick("Command2", [this](int) { p_.app.showModal("frmSound", {}); });
}

void frmOptions::applyDefaults()
{
    ctl("Option2").setValue(1);
    ctl("Check1").setValue(1);
    ctl("Check2").setValue(1);
    p_.m.GameType = 2;
    p_.m.FastStartup = true;
    p_.m.KyaOption = true;
}

void frmOptions::Form_Load()
{
    // The record's part lives in zarvana.ini, not config.txt.
    ctl("Check3").setValue(readGameSettings(p_.app.path() / kSettingsFile).freshQuestions ? 1 : 0);
    Module1& m = p_.m;
    LineReader in(p_.bank, kFile);
    if (!in.isOpen()) {
        applyDefaults();
        return;
    }
    // Three lines in order. Where the file ends early the defaults replace
    // everything, and that step compares the line read before.
    std::string last;
    auto readNext = [&] {
        std::string_view line;
        if (in.next(line))
            last.assign(line);
        else
            applyDefaults();
    };

    readNext();
    if (last == "opt1") {
        ctl("Option1").setValue(1);
        m.GameType = 1;
    } else if (last == "opt2") {
        ctl("Option2").setValue(1);
        m.GameType = 2;
    } else if (last == "opt3") {
        ctl("Option3").setValue(1);
        m.GameType = 3;
    }

    readNext();
    if (last == "chk1") {
        ctl("Check1").setValue(1);
        m.FastStartup = true;
    } else if (last == "chk0") {
        ctl("Check1").setValue(0);
        m.FastStartup = false;
    }

    readNext();
    if (last == "chk2_1") {
        ctl("Check2").setValue(1);
        m.KyaOption = true;
    } else if (last == "chk2_0") {
        ctl("Check2").setValue(0);
        m.KyaOption = false;
    }
}

void frmOptions::Command1_Click()
{
    LineWriter out(p_.bank, kFile, LineWriter::Mode::Truncate);
    if (ctl("Option1").value())
        out.write("opt1");
    else if (ctl("Option2").value())
        out.write("opt2");
    else if (ctl("Option3").value())
        out.write("opt3");
    out.write(ctl("Check1").value() ? "chk1" : "chk0");
    out.write(ctl("Check2").value() ? "chk2_1" : "chk2_0");
    out.close();
    const bool fresh = ctl("Check3").value() != 0;
    if (fresh != readGameSettings(p_.app.path() / kSettingsFile).freshQuestions &&
        !writeFreshQuestions(p_.app.path() / kSettingsFile, fresh))
        p_.app.msgBox("The setting \"Fresh questions first\" could not be saved (is the disk full, or the folder "
                      "read-only?). It applies until the game ends.",
                      "Options");
    if (auto* recorder = dynamic_cast<HistoryRecorder*>(p_.record)) recorder->setFreshQuestions(fresh);
    p_.app.unload(kName);
}

}  // namespace zv
