#pragma once
// The board's own dialogs: Message and Message2 carry the host's remarks and
// verdicts, Message3 prompts, advice and "The answer is correct.", Result
// the end of a game. Each is shown without blocking; its OK tells the board,
// which takes the game's next step (engine/game_progress.cpp).

#include "engine/form_names.h"
#include "engine/program.h"
#include "toolkit/form.h"

namespace zv {

class Game;

class MessageDialog : public Form {
public:
    static constexpr const char* kName = forms::kMessage;
    explicit MessageDialog(Program& p);
    void Form_Load() override;
    void Form_Unload() override;
    void Command1_Click();

private:
    Program& p_;
};

class Message2Dialog : public Form {
public:
    static constexpr const char* kName = forms::kMessage2;
    explicit Message2Dialog(Program& p);
    void Form_Load() override;
    void Form_Unload() override;
    void Command1_Click();

private:
    Program& p_;
};

class Message3Dialog : public Form {
public:
    static constexpr const char* kName = forms::kMessage3;
    explicit Message3Dialog(Program& p);
    void Form_Load() override;
    void Command1_Click();

private:
    Program& p_;
};

class ResultDialog : public Form {
public:
    static constexpr const char* kName = forms::kResult;
    explicit ResultDialog(Program& p);
    void Command1_Click();

private:
    Program& p_;
};

}  // namespace zv
