// zarvana_headless: the script driver alone, the game without windows and
// without Qt, as `zarvana --headless` runs it (see app/command_line.h).

#include "app/command_line.h"

int main(int argc, char** argv) { return zv::runHeadless(zv::parseCommandLine(argc, argv)); }
