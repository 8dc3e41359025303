#include "ui/main_menu.h"

#include "bank/bank_folder.h"
#include "engine/palette.h"
#include "engine/sounds.h"
#include "ui/design_kit.h"
#include "ui/game_settings.h"
#include "ui/ini_file.h"

namespace zv {

namespace {
constexpr Color kRest = palette::kText;
}

Main::Main(Program& p) : Form(p.app, kName), p_(p)
{
    setCaption("ZRV - Zarvana, a quiz by the Zarvana team");
    setStyle(WindowStyle::Main);
    setBackColor(palette::kBlack);
    setWidth(7200);
    // One entry taller than the six it had: Statistics came after Rules.
    setHeight(7800 + 760);

    design::image(*this, "Image1", {0, 0, 7200, 2160});
    design::image(*this, "Image2", {0, 7080 + 760, 7200, 720});
    // The menu, top to bottom.
    struct Entry { const char* name; const char* caption; };
    const Entry entries[] = {{"Label1", "Play The Game"}, {"Label2", "Question Editor"}, {"Label5", "Options"},
                             {"Label6", "Rules"},         {"Label7", "Statistics"},      {"Label3", "About the game"},
                             {"Label4", "Exit"}};
    int top = 2400;
    for (const Entry& e : entries) {
        Control& l = design::label(*this, e.name, {1200, top, 4800, 600}, e.caption);
        l.setFontSize(18);
        l.setFontBold(true);
        l.setForeColor(kRest);
        l.setAlignment(Align::Center);
        top += 760;
    }
    // Keys: the first letter of each entry, and Ctrl+Q to quit.
    const std::pair<const char*, const char*> keys[] = {{"Label1", "P"}, {"Label2", "E"}, {"Label5", "O"},
                                                        {"Label6", "R"}, {"Label7", "T"}, {"Label3", "A"},
                                                        {"Label4", "Ctrl+Q"}};
    for (auto [name, key] : keys) {
        ctl(name).setShortcut(key);
        ctl(name).setToolTipText(std::string("Key ") + key);
    }
    design::timer(*this, "Timer1", 100, true);

    vars_.add("HoverPlay", HoverPlay);
    vars_.add("HoverEditor", HoverEditor);
    vars_.add("HoverAbout", HoverAbout);
    vars_.add("HoverExitMenu", HoverExitMenu);
    vars_.add("HoverOptions", HoverOptions);
    vars_.add("HoverRules", HoverRules);
    vars_.add("HoverStatistics", HoverStatistics);

    onMouseMove("Image2", [this](int) { clearHover(); });
    onMouseMove("Label1", [this](int) { HoverPlay = true; });
    onMouseMove("Label2", [this](int) { HoverEditor = true; });
    onMouseMove("Label3", [this](int) { HoverAbout = true; });
    onMouseMove("Label4", [this](int) { HoverExitMenu = true; });
    onMouseMove("Label5", [this](int) { HoverOptions = true; });
    onMouseMove("Label6", [this](int) { HoverRules = true; });
    onMouseMove("Label7", [this](int) { HoverStatistics = true; });
    onClick("Label1", [this](int) { Label1_Click(); });
    onClick("Label2", [this](int) { Label2_Click(); });
    onClick("Label3", [this](int) { Label3_Click(); });
    onClick("Label4", [this](int) { Label4_Click(); });
    onClick("Label5", [this](int) { Label5_Click(); });
    onClick("Label6", [this](int) { Label6_Click(); });
    onClick("Label7", [this](int) { Label7_Click(); });
    onTimer("Timer1", [this] { Timer1_Timer(); });
}

void Main::Form_Load()
{
    if (p_.app.prevInstance()) {
        p_.app.msgBox("Application is already running");
        p_.app.unload(kName);
        return;
    }
    p_.m.GameType = 2;
    p_.app.music(sound::kMenuTheme);
}

void Main::clearHover()
{
    HoverPlay = HoverEditor = HoverAbout = HoverExitMenu = HoverOptions = HoverRules = HoverStatistics = false;
}

void Main::Form_MouseMove() { clearHover(); }

void Main::Form_QueryUnload(bool& cancel)
{
    // Closing the menu's window ends the program as its Exit does: closing
    // only the menu would leave the board or the editor running, unseen
    // once hidden, and holding the single-copy lock.
    cancel = true;
    Label4_Click();
}

void Main::Timer1_Timer()
{
    const std::pair<const char*, bool> labels[] = {{"Label1", HoverPlay},    {"Label2", HoverEditor},
                                                   {"Label3", HoverAbout},   {"Label4", HoverExitMenu},
                                                   {"Label5", HoverOptions}, {"Label6", HoverRules},
                                                   {"Label7", HoverStatistics}};
    for (auto [name, hover] : labels) {
        ctl(name).setForeColor(hover ? p_.app.randomColor() : kRest);
    }
}

void Main::showIfBuilt(const char* form)
{
    if (p_.app.isRegistered(form)) p_.app.show(form);
}

void Main::Label1_Click()
{
    ctl("Label1").setForeColor(palette::kOrange);
    p_.m.Level = 1;
    p_.app.show(forms::kGame);
    // Opening the board may have closed the menu's own world (a failed bank
    // check unloads the board); the menu itself is still here.
    ctl("Label1").setForeColor(kRest);
    HoverPlay = false;
}

void Main::Label2_Click()
{
    showIfBuilt(forms::kEditor);
    HoverEditor = false;
    ctl("Label2").setForeColor(kRest);
}

void Main::Label3_Click()
{
    showIfBuilt(forms::kAbout);
    HoverAbout = false;
    ctl("Label3").setForeColor(kRest);
}

void Main::Label5_Click()
{
    // The menu waits for the Options dialog; these steps run when it closes.
    p_.app.showModal(forms::kOptions, [this] {
        HoverOptions = false;
        ctl("Label5").setForeColor(kRest);
    });
}

void Main::Label6_Click()
{
    showIfBuilt(forms::kRules);
    HoverRules = false;
    ctl("Label6").setForeColor(kRest);
}

void Main::Label7_Click()
{
    HoverStatistics = false;
    ctl("Label7").setForeColor(kRest);
    if (!p_.app.isRegistered(forms::kStatistics)) return;
    // The player's name is asked for the first time the record is opened.
    if (!readGameSettings(p_.app.path() / kSettingsFile).playerName && p_.app.isRegistered(forms::kPlayer)) {
        p_.app.showModal(forms::kPlayer, [this] { p_.app.show(forms::kStatistics); });
        return;
    }
    p_.app.show(forms::kStatistics);
}

void Main::removeWorkingCopies()
{
    for (auto file : {bankfile::kDrawCopy, bankfile::kListMarker, bankfile::kLevelCopy}) p_.bank.remove(file);
}

void Main::Label4_Click()
{
    // Ends the program: the working copies go, then every window. Whatever is
    // missing is passed over. The exit confirmation is closed too, so that no
    // window is left behind to keep the program running.
    removeWorkingCopies();
    for (const char* form : {forms::kOptions, forms::kMain, forms::kAbout, forms::kDelete, forms::kRestore,
                             forms::kGame, forms::kMessage, forms::kMessage2, forms::kMessage3, forms::kEditor,
                             forms::kResult, forms::kRules, forms::kExit, forms::kStatistics, forms::kPlayer})
        p_.app.unload(form);
    // Closing a window may write a working copy again: a "ZRV like" verdict
    // waiting in Message moves the game on when Message closes, and draws the
    // next question into q2.zrv. The windows keep their close handling as it
    // is; once they are all gone nothing is left to write, and the copies go
    // for good.
    removeWorkingCopies();
}

}  // namespace zv
