#pragma once
// Everything one run of the program shares: the application with its forms,
// the shared module, the bank folder and the player's record.

#include <memory>

#include "bank/bank_folder.h"
#include "engine/game_record.h"
#include "engine/module.h"
#include "toolkit/application.h"

namespace zv {

struct Program {
    explicit Program(App& application) : app(application), bank(application.path()) {}
    ~Program() { record = &noRecord; }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    App& app;
    Module1 m;
    BankFolder bank;
    // Keeps nothing until the program is given the player's record.
    GameRecord noRecord;
    GameRecord* record = &noRecord;
    std::unique_ptr<GameRecord> recordKeeper;  // the record given, kept as long as the program
};

}  // namespace zv
