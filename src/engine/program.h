#pragma once
// Everything one run of the program shares: the application with its forms,
// the shared module and the bank folder.

#include "bank/bank_folder.h"
#include "engine/module.h"
#include "toolkit/application.h"

namespace zv {

struct Program {
    explicit Program(App& application) : app(application), bank(application.path()) {}
    App& app;
    Module1 m;
    BankFolder bank;
};

// The money ladder: the prize of each level, the amount assured after winning
// it, and the amount played for next.
struct LadderStep {
    int prize;
    int assured;
    int next;
};
const LadderStep& ladder(int level);  // level 1 to 15
bool isLadderLevel(int level);

}  // namespace zv
