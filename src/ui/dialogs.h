#pragma once
// The board's own dialogs: Message and Message2 carry the host's remarks and
// verdicts, Message3 prompts, advice and "The answer is correct.", Result
// the end of a game. Each is shown without blocking; its OK button puts the
// board back into a playable state and may move the game on.

#include "engine/program.h"
#include "toolkit/form.h"

namespace zv {

class Game;

class MessageDialog : public Form {
public:
    static constexpr const char* kName = "Message";
    explicit MessageDialog(Program& p);
    void Form_Load() override;
    void Form_Unload() override;
    void Command1_Click();

private:
    Program& p_;
};

class Message2Dialog : public Form {
public:
    static constexpr const char* kName = "Message2";
    explicit Message2Dialog(Program& p);
    void Form_Load() override;
    void Form_Unload() override;
    void Command1_Click();

private:
    Program& p_;
};

class Message3Dialog : public Form {
public:
    static constexpr const char* kName = "Message3";
    explicit Message3Dialog(Program& p);
    void Form_Load() override;
    void Command1_Click();

private:
    Program& p_;
};

class ResultDialog : public Form {
public:
    static constexpr const char* kName = "Result";
    explicit ResultDialog(Program& p);
    void Command1_Click();

private:
    Program& p_;
};

}  // namespace zv
