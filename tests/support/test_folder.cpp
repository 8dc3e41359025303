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

std::string TestFolder::read(const std::string& name) const { return readFile(file(name)); }

std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
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

std::string numberedBank(int count, const std::function<int(int)>& level)
{
    std::string bank;
    for (int i = 1; i <= count; ++i)
        bank += record(i, "Q" + std::to_string(i), "A", std::to_string(level ? level(i) : 1)) + "\r\n";
    return bank;
}

std::string typedQuestion(const std::string& question, const std::string& answer, const std::string& level,
                          const std::array<std::string, 4>& options)
{
    std::string typed = "text Question.Text1 " + question + "\n";
    for (std::size_t i = 0; i < 4; ++i) typed += "text Question.Options(" + std::to_string(i) + ") " + options[i] + "\n";
    return typed + "text Question.Combo1 " + answer + "\ntext Question.Combo2 " + level + "\n";
}

Session::Session(const std::string& bank, const std::string& config, Open open)
{
    if (!bank.empty()) folder_.write("imp.zrv", bank);
    if (!config.empty()) folder_.write("config.txt", config);
    driver_ = std::make_unique<ScriptDriver>(out_, folder_.path());
    if (open == Open::Menu) start();
    if (open == Open::Board) startBoard();
    if (open == Open::Game) startGame();
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

void Session::startGame()
{
    startBoard();
    (*this)("click Game.lblStart");
}

std::string Session::startWith(double r)
{
    app().random().queue({r});
    app().run([&] { game().lblStart_Click(); });
    return game().lblQuestion.caption();
}

FaultyFiles& Session::faultyFiles()
{
    program().bank.setFiles(faulty_);
    return faulty_;
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
