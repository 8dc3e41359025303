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

}  // namespace zv
