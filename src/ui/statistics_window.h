#pragma once
// The Statistics window, from the main menu: the player's record at a
// glance. Every figure is computed from history.db when the window opens
// and put into its controls, so the script driver reads what a player sees:
// the summary labels, the charts' value labels (lblReached, lblShare,
// lblWinnings), the ten best games and the last game in full. Export writes
// the whole record to history.csv beside it.

#include "engine/form_names.h"
#include "engine/program.h"
#include "history/statistics.h"
#include "toolkit/form.h"

namespace zv {

class frmStatistics : public Form {
public:
    static constexpr const char* kName = forms::kStatistics;
    explicit frmStatistics(Program& p);
    void Form_Load() override;
    void Command1_Click();  // Export to CSV
    void Command2_Click();  // Close
    void Command3_Click();  // Name...
    // Fills every control from the record.
    void Refresh();

private:
    void showFigures(const history::Statistics& s);
    Program& p_;
};

// The player's name, asked once: the first time the record is opened. OK
// keeps the name typed, Skip keeps none; neither asks again.
class frmPlayer : public Form {
public:
    static constexpr const char* kName = forms::kPlayer;
    explicit frmPlayer(Program& p);
    void Form_Load() override;
    void Command1_Click();  // OK
    void Command2_Click();  // Skip

private:
    Program& p_;
};

}  // namespace zv
