#pragma once
// The main menu, where the program starts: it refuses a second copy, opens
// the board, the editor, the options, the rules and the About box, and ends
// the program. Its labels light up in random colours under the pointer.

#include "engine/form_names.h"
#include "engine/program.h"
#include "toolkit/form.h"

namespace zv {

class Main : public Form {
public:
    static constexpr const char* kName = forms::kMain;
    explicit Main(Program& p);

    void Form_Load() override;
    void Form_MouseMove() override;
    void Form_QueryUnload(bool& cancel) override;
    void Timer1_Timer();
    void Label1_Click();  // Play The Game
    void Label2_Click();  // Question Editor
    void Label3_Click();  // About the game
    void Label4_Click();  // Exit
    void Label5_Click();  // Options
    void Label6_Click();  // Rules
    void Label7_Click();  // Statistics

    bool HoverPlay = false, HoverEditor = false, HoverAbout = false, HoverExitMenu = false, HoverOptions = false;
    bool HoverRules = false, HoverStatistics = false;

private:
    void clearHover();
    void showIfBuilt(const char* form);
    void removeWorkingCopies();
    Program& p_;
};

}  // namespace zv
