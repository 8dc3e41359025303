#include "toolkit/app_folder.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace zv {

namespace {
namespace fs = std::filesystem;

bool writable(const fs::path& dir)
{
    const fs::path probe = dir / ".zarvana-write-test";
    {
        std::ofstream out(probe);
        if (!out) return false;
    }
    std::error_code ec;
    fs::remove(probe, ec);
    return true;
}

bool holdsBank(const fs::path& dir)
{
    std::error_code ec;
    return fs::exists(dir / "imp.zrv", ec) || fs::exists(dir / "default.zrv", ec);
}
}  // namespace

fs::path userDataFolder()
{
#ifdef _WIN32
    if (const char* appData = std::getenv("APPDATA")) return fs::path(appData) / "Zarvana";
#else
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "Zarvana";
    if (const char* home = std::getenv("HOME")) return fs::path(home) / ".local" / "share" / "Zarvana";
#endif
    return fs::temp_directory_path() / "Zarvana";
}

fs::path installedDataFolder(const fs::path& programDir)
{
    if (holdsBank(programDir)) return programDir;
    const fs::path shared = programDir.parent_path() / "share" / "zarvana";
    std::error_code ec;
    return fs::exists(shared, ec) ? shared : programDir;
}

fs::path chooseAppFolder(const fs::path& programDir, const fs::path& userData)
{
    if (holdsBank(programDir) && writable(programDir)) return programDir;
    const fs::path source = installedDataFolder(programDir);
    std::error_code ec;
    fs::create_directories(userData, ec);
    // First start: the player's bank begins as the installed one. The
    // default bank stays as installed, for the editor's restore; the help
    // page follows the installed game.
    // The explanations kept beside each bank go with it.
    if (!fs::exists(userData / "imp.zrv", ec)) {
        fs::copy_file(source / "imp.zrv", userData / "imp.zrv", ec);
        fs::copy_file(source / "imp-extras.tsv", userData / "imp-extras.tsv", ec);
    }
    fs::copy_file(source / "default.zrv", userData / "default.zrv", fs::copy_options::overwrite_existing, ec);
    fs::copy_file(source / "default-extras.tsv", userData / "default-extras.tsv", fs::copy_options::overwrite_existing,
                  ec);
    fs::copy_file(source / "help.html", userData / "help.html", fs::copy_options::overwrite_existing, ec);
    return userData;
}

}  // namespace zv
