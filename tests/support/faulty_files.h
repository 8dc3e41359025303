#pragma once
// A file system for tests: the system's files, except that a chosen read or
// write of a chosen file fails, as a damaged disk or a full one does.

#include <map>
#include <mutex>
#include <string>

#include "bank/file_system.h"

namespace zv::test {

class FaultyFiles : public FileSystem {
public:
    // From now on, the `nth` read (from 1) of the file named `name` hands
    // over half of what it read and fails with `error`, and so does every
    // later read of it. 0 fails the opening for reading instead, as for a
    // file the player may write but not read.
    void failRead(const std::string& name, int nth, std::errc error = std::errc::io_error);
    // From now on, the `nth` write of `name` writes half its bytes and fails,
    // and every later write fails; 0 fails the opening for writing.
    void failWrite(const std::string& name, int nth, std::errc error = std::errc::no_space_on_device);
    // Every file works again.
    void heal();

    std::unique_ptr<File> open(const std::filesystem::path& file, OpenMode mode, std::error_code& error) override;

    struct Fault {
        int nth = -1;  // -1: none
        int calls = 0;
        std::errc error{};
    };

private:
    class FaultyFile;
    std::mutex mutex_;  // a file may be read on the bank's read-ahead thread
    std::map<std::string, Fault> reads_, writes_;
};

}  // namespace zv::test
