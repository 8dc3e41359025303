#include "bank/block_reader.h"

#include <cstring>
#include <new>
#include <system_error>
#include <utility>
#include <vector>

#include "bank/line_spans.h"

namespace zv {

namespace {
// Blocks start on a page boundary: the kernel copies page-aligned data to
// us almost twice as fast.
constexpr std::size_t kSlotBytes = BlockReader::kCarry + BlockReader::kBlockSize + BlockReader::kPage;
static_assert(BlockReader::kPage >= kScanSlack, "the line scan reads past a block's end");
}  // namespace

namespace {
struct Kept {
    std::mutex mutex;
    std::vector<std::pair<std::size_t, char*>> buffers;
    ~Kept()
    {
        for (auto& [size, buffer] : buffers) ::operator delete(buffer, std::align_val_t{BlockReader::kPage});
    }
};
Kept& kept()
{
    static Kept k;
    return k;
}
constexpr std::size_t kMostKept = 8;
}  // namespace

char* takeBuffer(std::size_t size)
{
    Kept& k = kept();
    {
        std::lock_guard lock(k.mutex);
        for (auto it = k.buffers.begin(); it != k.buffers.end(); ++it)
            if (it->first == size) {
                char* buffer = it->second;
                k.buffers.erase(it);
                return buffer;
            }
    }
    return static_cast<char*>(::operator new(size, std::align_val_t{BlockReader::kPage}));
}

void giveBuffer(char* buffer, std::size_t size)
{
    Kept& k = kept();
    {
        std::lock_guard lock(k.mutex);
        if (k.buffers.size() < kMostKept) {
            k.buffers.emplace_back(size, buffer);
            return;
        }
    }
    ::operator delete(buffer, std::align_val_t{BlockReader::kPage});
}

BlockReader::BlockReader(FileSystem& files, const std::filesystem::path& file)
{
    std::error_code ec;
    file_ = files.open(file, OpenMode::Read, ec);
    if (!file_ && ec != std::errc::no_such_file_or_directory) error_ = ec;
    for (char*& slot : slots_) slot = takeBuffer(kSlotBytes);
}

BlockReader::~BlockReader()
{
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            stop_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    file_.reset();
    for (char* slot : slots_) giveBuffer(slot, kSlotBytes);
}

std::size_t BlockReader::readBlock(int slot)
{
    if (!file_) return 0;
    const std::size_t got = file_->read(slots_[static_cast<std::size_t>(slot)] + kCarry, kBlockSize);
    if (const std::error_code e = file_->error()) {
        // The file ends where it could not be read; what was read of this
        // block is no guide to the rest.
        std::lock_guard lock(mutex_);
        if (!error_) error_ = e;
        return 0;
    }
    return got;
}

std::error_code BlockReader::error() const
{
    std::lock_guard lock(mutex_);
    return error_;
}

void BlockReader::readAhead(int slot)
{
    for (;;) {
        {
            // A slot is free once the lines have moved on from it.
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [&] { return stop_ || (!ready_[static_cast<std::size_t>(slot)] && slot != current_); });
            if (stop_) return;
        }
        const std::size_t got = readBlock(slot);
        {
            std::lock_guard lock(mutex_);
            got_[static_cast<std::size_t>(slot)] = got;
            ready_[static_cast<std::size_t>(slot)] = true;
        }
        changed_.notify_all();
        if (got == 0) return;
        slot = (slot + 1) % kSlots;
    }
}

char* BlockReader::next(std::string_view carry, std::size_t& got)
{
    const int next = (current_ + 1) % kSlots;
    const auto n = static_cast<std::size_t>(next);
    if (thread_.joinable()) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return ready_[n]; });
        got = got_[n];
    } else if (ended_) {
        got = 0;
    } else {
        got = readBlock(next);
        // Only a file longer than one block is worth a second thread;
        // without one (the system may refuse it) the blocks are read here.
        if (!started_ && got == kBlockSize) {
            try {
                thread_ = std::thread([this, next] { readAhead((next + 1) % kSlots); });
            } catch (const std::system_error&) {
            }
        }
        started_ = true;
    }
    ended_ = got == 0;
    char* block = slots_[n];
    if (!carry.empty()) std::memcpy(block + kCarry - carry.size(), carry.data(), carry.size());
    {
        std::lock_guard lock(mutex_);
        ready_[n] = false;
        current_ = next;
    }
    changed_.notify_all();
    return block;
}

}  // namespace zv
