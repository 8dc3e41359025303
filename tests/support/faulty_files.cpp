#include "support/faulty_files.h"

namespace zv::test {

// A system file whose reads or writes fail once their fault's count is
// reached.
class FaultyFiles::FaultyFile : public File {
public:
    FaultyFile(std::unique_ptr<File> file, FaultyFiles& owner, std::string name)
        : file_(std::move(file)), owner_(owner), name_(std::move(name))
    {
    }

    std::size_t read(char* data, std::size_t size) override
    {
        if (error_) return 0;
        std::size_t got = file_->read(data, size);
        if (due(owner_.reads_)) got /= 2;
        return got;
    }

    bool write(const char* data, std::size_t size) override
    {
        if (error_) return false;
        if (due(owner_.writes_)) {
            file_->write(data, size / 2);
            return false;
        }
        return file_->write(data, size);
    }

    bool close() override { return file_->close() && !error_; }

    std::error_code error() const override { return error_ ? error_ : file_->error(); }

private:
    // Counts the call; true, with the error kept, when this is the one that fails.
    bool due(std::map<std::string, Fault>& faults)
    {
        std::lock_guard lock(owner_.mutex_);
        auto it = faults.find(name_);
        if (it == faults.end() || it->second.nth < 1 || ++it->second.calls < it->second.nth) return false;
        error_ = std::make_error_code(it->second.error);
        return true;
    }

    std::unique_ptr<File> file_;
    FaultyFiles& owner_;
    std::string name_;
    std::error_code error_;
};

void FaultyFiles::failRead(const std::string& name, int nth, std::errc error)
{
    std::lock_guard lock(mutex_);
    reads_[name] = {nth, 0, error};
}

void FaultyFiles::failWrite(const std::string& name, int nth, std::errc error)
{
    std::lock_guard lock(mutex_);
    writes_[name] = {nth, 0, error};
}

void FaultyFiles::heal()
{
    std::lock_guard lock(mutex_);
    reads_.clear();
    writes_.clear();
}

std::unique_ptr<File> FaultyFiles::open(const std::filesystem::path& file, OpenMode mode, std::error_code& error)
{
    const std::string name = file.filename().string();
    {
        std::lock_guard lock(mutex_);
        const auto& faults = mode == OpenMode::Read ? reads_ : writes_;
        if (auto it = faults.find(name); it != faults.end() && it->second.nth == 0) {
            error = std::make_error_code(it->second.error);
            return nullptr;
        }
    }
    std::unique_ptr<File> real = systemFiles().open(file, mode, error);
    if (!real) return nullptr;
    return std::make_unique<FaultyFile>(std::move(real), *this, name);
}

}  // namespace zv::test
