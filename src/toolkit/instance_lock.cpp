#include "toolkit/instance_lock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace zv {

InstanceLock::InstanceLock(std::filesystem::path file) : file_(std::move(file)) {}

#ifdef _WIN32

InstanceLock::~InstanceLock()
{
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

bool InstanceLock::heldByAnother()
{
    if (tried_) return other_;
    tried_ = true;
    // No sharing: a second open fails while the first copy has the file open.
    HANDLE h = CreateFileW(file_.wstring().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        other_ = GetLastError() == ERROR_SHARING_VIOLATION;
        return other_;
    }
    handle_ = h;
    return false;
}

#else

InstanceLock::~InstanceLock()
{
    if (fd_ >= 0) close(fd_);
}

bool InstanceLock::heldByAnother()
{
    if (tried_) return other_;
    tried_ = true;
    fd_ = open(file_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return false;
    // flock belongs to the open file, so even two copies in one process
    // (as in the tests) see each other.
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        other_ = errno == EWOULDBLOCK;
        close(fd_);
        fd_ = -1;
    }
    return other_;
}

#endif

}  // namespace zv
