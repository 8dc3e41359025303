// zarvana: the quiz game. `zarvana --headless` runs the script driver, the
// same game without windows, reading commands from standard input (see
// app/command_line.h).

#include "app/command_line.h"
#include "qt/gui.h"

int main(int argc, char** argv)
{
    const zv::CommandLine line = zv::parseCommandLine(argc, argv);
    if (line.headless) return zv::runHeadless(line);
    return zv::runGame(argc, argv, line.appDir, line.programDir);
}
