// Fuzzes the reading of config.txt by the Options dialog: whatever the file
// holds, the options are valid and the program runs on.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "driver/script_driver.h"
#include "engine/program.h"
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("zarvana-fuzz-config-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    std::ofstream(dir / "config.txt", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::ostringstream out;
    zv::ScriptDriver driver(out, dir);
    std::istringstream start;
    driver.run(start);
    driver.execute("click Main.Label5");
    const int type = driver.program().m.GameType;
    if (type < 1 || type > 3) std::abort();
    driver.execute("click frmOptions.Command1");
    return 0;
}
