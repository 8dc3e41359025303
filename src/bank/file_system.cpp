#include "bank/file_system.h"

#include <cerrno>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zv {

std::FILE* openFile(const std::filesystem::path& p, const char* mode)
{
#ifdef _WIN32
    std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(p.c_str(), wmode.c_str());
#else
    return std::fopen(p.c_str(), mode);
#endif
}

std::error_code lastSystemError()
{
    const int e = errno;
    return e ? std::error_code(e, std::generic_category()) : std::make_error_code(std::errc::io_error);
}

std::string plainReason(std::error_code error)
{
    if (error == std::errc::no_space_on_device || error == std::errc::file_too_large) return "the disk is full";
#ifdef EDQUOT
    if (error.category() == std::generic_category() && error.value() == EDQUOT) return "the disk is full";
#endif
    if (error == std::errc::read_only_file_system) return "the disk is read-only";
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return "permission denied";
    if (error == std::errc::io_error) return "the disk reported an error";
    std::string words = error.message();
    if (!words.empty() && words[0] >= 'A' && words[0] <= 'Z') words[0] = static_cast<char>(words[0] - 'A' + 'a');
    return words;
}

std::error_code flushToDisk(const std::filesystem::path& file)
{
#ifdef _WIN32
    std::FILE* f = openFile(file, "rb+");
    if (!f) return lastSystemError();
    const bool ok = _commit(_fileno(f)) == 0;
    const std::error_code error = ok ? std::error_code() : lastSystemError();
    std::fclose(f);
    return error;
#else
    int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return lastSystemError();
    const std::error_code error = fsync(fd) == 0 ? std::error_code() : lastSystemError();
    close(fd);
    return error;
#endif
}

void flushFolder(const std::filesystem::path& dir)
{
#ifndef _WIN32
    int fd = open(dir.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
#else
    (void)dir;
#endif
}

namespace {

class SystemFile : public File {
public:
    explicit SystemFile(std::FILE* file) : file_(file) {}
    ~SystemFile() override
    {
        if (file_) std::fclose(file_);
    }

    std::size_t read(char* data, std::size_t size) override
    {
        errno = 0;
        const std::size_t got = std::fread(data, 1, size, file_);
        if (got < size && std::ferror(file_)) keep(lastSystemError());
        return got;
    }

    bool write(const char* data, std::size_t size) override
    {
        errno = 0;
        if (std::fwrite(data, 1, size, file_) == size) return true;
        keep(lastSystemError());
        return false;
    }

    bool close() override
    {
        if (file_) {
            errno = 0;
            if (std::fclose(file_) != 0) keep(lastSystemError());
            file_ = nullptr;
        }
        return !error_;
    }

    std::error_code error() const override { return error_; }

private:
    void keep(std::error_code e)
    {
        if (!error_) error_ = e;
    }
    std::FILE* file_;
    std::error_code error_;
};

class SystemFiles : public FileSystem {
public:
    std::unique_ptr<File> open(const std::filesystem::path& file, OpenMode mode, std::error_code& error) override
    {
        static constexpr const char* kModes[] = {"rb", "wb", "ab", "r+b"};
        errno = 0;
        std::FILE* f = openFile(file, kModes[static_cast<int>(mode)]);
        if (!f) {
            error = lastSystemError();
            return nullptr;
        }
        error.clear();
        return std::make_unique<SystemFile>(f);
    }
};

}  // namespace

FileSystem& systemFiles()
{
    static SystemFiles files;
    return files;
}

}  // namespace zv
