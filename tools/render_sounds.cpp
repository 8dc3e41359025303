// Renders every cue of the game's sound set into a folder, one WAV each:
//   zarvana_render_sounds FOLDER
// Run by the build, so the sounds sit beside the program. A WAV file in the
// folder that is no longer a cue is removed, so it is not installed.

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "sound/cues.h"
#include "sound/wav.h"

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: zarvana_render_sounds FOLDER\n";
        return 2;
    }
    const fs::path folder = argv[1];
    std::error_code ec;
    fs::create_directories(folder, ec);
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        bool cue = false;
        for (const zv::sound::Cue& c : zv::sound::cues()) cue |= entry.path().filename() == std::string(c.name) + ".wav";
        if (entry.path().extension() == ".wav" && !cue) fs::remove(entry.path(), ec);
    }
    for (const zv::sound::Cue& cue : zv::sound::cues()) {
        const fs::path file = folder / (std::string(cue.name) + ".wav");
        if (!zv::sound::writeWav(file, zv::sound::render(cue))) {
            std::cerr << "cannot write " << file.string() << "\n";
            return 1;
        }
    }
    return 0;
}
