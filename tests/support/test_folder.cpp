#include "support/test_folder.h"

#include <atomic>
#include <chrono>
#include <iterator>

namespace zv::test {

TestFolder::TestFolder()
{
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("zarvana-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TestFolder::~TestFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TestFolder::write(const std::string& name, const std::string& bytes) const
{
    std::ofstream(file(name), std::ios::binary) << bytes;
}

std::string TestFolder::read(const std::string& name) const
{
    std::ifstream in(file(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string crlf(std::initializer_list<std::string> lines)
{
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

std::string record(int serial, const std::string& question, const std::string& answer, const std::string& level)
{
    return std::to_string(serial) + "," + question + ",Opt A,Opt B,Opt C,Opt D," + answer + "," + level;
}

std::string ladderBank()
{
    std::string bank;
    for (int level = 1; level <= 15; ++level)
        bank += record(level, "Q" + std::to_string(level), "B", std::to_string(level)) + "\r\n";
    return bank;
}

Session::Session(const std::string& bank, const std::string& config)
{
    if (!bank.empty()) folder_.write("imp.zrv", bank);
    if (!config.empty()) folder_.write("config.txt", config);
    driver_ = std::make_unique<ScriptDriver>(out_, folder_.path());
}

void Session::start()
{
    std::istringstream none;
    driver_->run(none);
}

void Session::startBoard()
{
    start();
    (*this)("click Main.Label1");
}

std::string Session::operator()(const std::string& commands)
{
    const auto before = out_.str().size();
    std::istringstream in(commands);
    std::string line;
    while (std::getline(in, line)) driver_->execute(line);
    return out_.str().substr(before);
}

}  // namespace zv::test
