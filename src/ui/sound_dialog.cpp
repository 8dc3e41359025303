#include "ui/sound_dialog.h"

#include <string>

#include "ui/design_kit.h"
#include "ui/sound_settings.h"

namespace zv {

namespace {
const Color kText = RGB(255, 192, 128);
const Color kPanel = RGB(24, 24, 24);

// Volumes in steps a player hears apart.
void fillVolumes(Control& box)
{
    for (int v = 0; v <= 100; v += 10) box.addItem(std::to_string(v));
}

// The step nearest to a volume read from the file.
std::string nearestStep(int volume) { return std::to_string((volume + 5) / 10 * 10); }

int volumeOf(const Control& box, int fallback)
{
    try {
        const int v = std::stoi(box.text());
        return v >= 0 && v <= 100 ? v : fallback;
    } catch (...) {
        return fallback;
    }
}
}  // namespace

frmSound::frmSound(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("Sound");
    setStyle(WindowStyle::Dialog);
    setBackColor(RGB(0, 0, 0));
    setWidth(5400);
    setHeight(3480);

    Control& frame = design::frame(*this, "Frame1", {240, 180, 4920, 2280}, "Sound");
    frame.setForeColor(RGB(255, 110, 0));
    frame.setBackColor(kPanel);
    const char* names[] = {"Music volume", "Effects volume"};
    for (int i = 0; i < 2; ++i) {
        Control& l = design::in(frame, design::label(*this, "Label" + std::to_string(i + 1),
                                                     {240, 420 + i * 540, 2400, 360}, names[i]));
        l.setForeColor(kText);
        l.setFontSize(10);
        Control& box = design::in(frame, design::comboBox(*this, "Combo" + std::to_string(i + 1),
                                                          {2760, 400 + i * 540, 1200, 360}));
        fillVolumes(box);
    }
    Control& voice = design::in(frame, design::checkBox(*this, "Check1", {240, 1560, 4440, 480},
                                                        "The host's voice: questions read aloud"));
    voice.setForeColor(kText);
    voice.setBackColor(kPanel);
    voice.setToolTipText("The host reads each question and its options aloud and speaks his remarks, with the "
                         "system's speech engine. M mutes and unmutes all sound in any window.");
    design::button(*this, "Command1", {1440, 2700, 1200, 420}, "OK").setDefault(true);
    design::button(*this, "Command2", {2760, 2700, 1200, 420}, "Cancel").setCancel(true);
    onClick("Command1", [this](int) { Command1_Click(); });
    onClick("Command2", [this](int) { Command2_Click(); });
}

void frmSound::Form_Load()
{
    const SoundSettings s = readSoundSettings(p_.app.path() / kSettingsFile);
    ctl("Combo1").setText(nearestStep(s.music));
    ctl("Combo2").setText(nearestStep(s.effects));
    ctl("Check1").setValue(s.voice ? 1 : 0);
}

void frmSound::Command1_Click()
{
    const auto file = p_.app.path() / kSettingsFile;
    SoundSettings s = readSoundSettings(file);
    s.music = volumeOf(ctl("Combo1"), s.music);
    s.effects = volumeOf(ctl("Combo2"), s.effects);
    s.voice = ctl("Check1").value() != 0;
    if (!writeSoundSettings(file, s)) {
        p_.app.msgBox("The sound settings could not be saved (is the disk full, or the folder read-only?). They "
                      "apply until the game ends.",
                      "Sound");
    }
    p_.app.setVoice(s.voice);
    p_.app.setVolumes(s.music, s.effects);
    p_.app.unload(kName);
}

void frmSound::Command2_Click() { p_.app.unload(kName); }

}  // namespace zv
