// zarvana: the quiz game. `zarvana --headless` runs the script driver, the
// same game without windows, reading commands from standard input;
// `zarvana check|import|export FILE` works on question sets and ends,
// before Qt is started, so it needs no display (see app/command_line.h).

#include <iostream>

#include "app/command_line.h"
#include "app/set_commands.h"
#include "qt/gui.h"

int main(int argc, char** argv)
{
    const zv::CommandLine line = zv::parseCommandLine(argc, argv);
    if (line.command != zv::SetCommand::None) return zv::runSetCommand(line, std::cout, std::cerr);
    if (line.headless) return zv::runHeadless(line);
    return zv::runGame(argc, argv, line.appDir, line.programDir);
}
