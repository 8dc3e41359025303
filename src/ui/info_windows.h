#pragma once
// The two information windows beside the game: Rules explains the game and
// its lifelines; About shows the title, the version and the credits, and
// opens the game's help page.

#include "engine/form_names.h"
#include "engine/program.h"
#include "toolkit/form.h"

namespace zv {

class Rules : public Form {
public:
    static constexpr const char* kName = forms::kRules;
    explicit Rules(Program& p);
    void Label4_Click();    // the prize break-up
    void Label9_Click();    // the lifelines
    void Command1_Click();  // OK
    void Command2_Click();  // Close the break-up
    void Command3_Click();  // Close the lifelines

private:
    Program& p_;
};

class About : public Form {
public:
    static constexpr const char* kName = forms::kAbout;
    // The help page installed beside the program, opened in the browser.
    static constexpr const char* kHelpPage = "help.html";
    explicit About(Program& p);
    void Timer1_Timer();
    void Label5_Click();
    void Command1_Click();

private:
    Program& p_;
};

}  // namespace zv
