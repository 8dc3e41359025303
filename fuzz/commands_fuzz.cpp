// Fuzzes the script driver's command language on a running program: any
// line is carried out, ignored or reported as an error, and nothing breaks.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

#include "driver/script_driver.h"
#include "fuzz_target.h"

namespace {
std::filesystem::path folder()
{
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() / ("zarvana-fuzz-commands-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        std::ofstream bank(d / "imp.zrv", std::ios::binary);
        for (int level = 1; level <= 15; ++level)
            bank << level << ",Question " << level << ",a,b,c,d,B," << level << "\r\n";
        return d;
    }();
    return dir;
}

// Long waits are real work on the virtual clock (a tick every 100 ms); the
// fuzzer keeps them short so that it explores more commands.
bool tooLong(const std::string& line)
{
    if (line.rfind("wait", 0) != 0) return false;
    return line.size() > 10;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::ostringstream out;
    auto driver = std::make_unique<zv::ScriptDriver>(out, folder());
    std::istringstream start;
    driver->run(start);
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    int count = 0;
    while (std::getline(lines, line) && ++count < 200 && !driver->programEnded())
        if (!tooLong(line)) driver->execute(line);
    return 0;
}
