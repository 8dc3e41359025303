#include "ui/forms.h"

#include "engine/game.h"
#include "ui/confirm_dialog.h"
#include "ui/set_dialogs.h"
#include "ui/dialogs.h"
#include "ui/editor_dialogs.h"
#include "ui/exit_dialog.h"
#include "ui/game_design.h"
#include "ui/game_settings.h"
#include "ui/history_recorder.h"
#include "ui/info_windows.h"
#include "ui/main_menu.h"
#include "ui/options.h"
#include "ui/question_editor.h"
#include "ui/sound_dialog.h"
#include "ui/sound_settings.h"
#include "ui/statistics_window.h"

namespace zv {

namespace {
template <class F, class... Args>
void add(Program& p, Args... args)
{
    p.app.registerForm(F::kName, [&p, args...](App&) { return std::make_unique<F>(p, args...); });
}
}  // namespace

void registerForms(Program& p)
{
    add<Main>(p);
    add<Game>(p, &designGame);
    add<frmExit>(p);
    add<MessageDialog>(p);
    add<Message2Dialog>(p);
    add<Message3Dialog>(p);
    add<ResultDialog>(p);
    add<frmOptions>(p);
    add<Question>(p);
    add<Delete>(p);
    add<frmRestore>(p);
    add<Rules>(p);
    add<About>(p);
    add<frmSound>(p);
    add<frmStatistics>(p);
    add<frmPlayer>(p);
    add<frmConfirm>(p);
    add<frmImport>(p);
    add<frmExport>(p);
}

void startProgram(Program& p)
{
    registerForms(p);
    // The player's record, beside the bank.
    auto recorder = std::make_unique<HistoryRecorder>(p.app, p.bank.dir() / history::kHistoryFile,
                                                      readGameSettings(p.app.path() / kSettingsFile).freshQuestions);
    p.record = recorder.get();
    p.recordKeeper = std::move(recorder);
    p.app.setVoice(readSoundSettings(p.app.path() / kSettingsFile).voice);
    p.app.run([&p] { p.app.show(kStartupForm); });
}

}  // namespace zv
