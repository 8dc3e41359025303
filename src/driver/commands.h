#pragma once
// The command language of the script driver, carried out on a running
// program: `click Game.lblLock`, `wait 1000`, `get Game.lblQNo Caption` ...
// (the README lists them). The script driver runs it on a program without
// windows; the measuring tools (tools/idle_cost.cpp) run it on the Qt front
// end.

#include <iosfwd>
#include <string>
#include <string_view>

namespace zv {

class App;
struct Program;
class Form;

class Commands {
public:
    Commands(App& app, Program& program, std::ostream& out) : app_(app), program_(program), out_(out) {}
    // Carries out one command line; false when it was an error.
    bool execute(std::string_view line);

private:
    struct Target;
    bool parseTarget(std::string_view word, Target& t) const;
    Form* loadedForm(const Target& t) const;
    bool userEvent(std::string_view command, const Target& t, std::string_view rest);
    bool get(const Target& t, std::string_view prop);
    bool var(std::string_view name);
    void ignored(const Target& t);

    App& app_;
    Program& program_;
    std::ostream& out_;
};

}  // namespace zv
