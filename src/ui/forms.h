#pragma once
// The windows of the program, and its start.

#include "engine/form_names.h"
#include "engine/program.h"

namespace zv {

// Registers every window of the program with the application.
void registerForms(Program& program);

// The window the program starts in.
inline constexpr const char* kStartupForm = forms::kMain;

// Starts the program: registers the windows and shows the start-up window.
void startProgram(Program& program);

}  // namespace zv
