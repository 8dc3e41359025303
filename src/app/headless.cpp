// zarvana_headless: the script driver alone, the game without windows and
// without Qt, as `zarvana --headless` runs it; it takes `check`, `import`
// and `export` too (see app/command_line.h).

#include <iostream>

#include "app/command_line.h"
#include "app/set_commands.h"

int main(int argc, char** argv)
{
    const zv::CommandLine line = zv::parseCommandLine(argc, argv);
    if (line.command != zv::SetCommand::None) return zv::runSetCommand(line, std::cout, std::cerr);
    return zv::runHeadless(line);
}
