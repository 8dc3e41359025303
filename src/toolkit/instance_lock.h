#pragma once
// The previous-instance check: two copies of the program in the same
// application folder are the same application.
//
// The first copy holds an operating-system lock on a file in the folder for
// as long as it runs. The system drops the lock when the process ends,
// however it ends, so a copy that was killed never stops the next start.

#include <filesystem>

namespace zv {

class InstanceLock {
public:
    explicit InstanceLock(std::filesystem::path file);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock if it is free. True when another running copy holds it.
    // A folder where the lock file cannot be made counts as free: the game
    // must still start there.
    bool heldByAnother();

private:
    std::filesystem::path file_;
    bool tried_ = false;
    bool other_ = false;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

}  // namespace zv
