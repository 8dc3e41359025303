#include "sets/set_bytes.h"

namespace zv::sets {

std::string binaryReason(std::size_t line)
{
    const std::string reason = "not a question set: a binary file";
    return line == 0 ? reason : reason + " (a control byte on line " + std::to_string(line) + ")";
}

std::string tooLongReason(std::size_t line)
{
    return "line " + std::to_string(line) + " holds a text of more than " + std::to_string(kLongestField / 1024) +
           " KiB, far beyond what the board shows; the rest of the file was not read";
}

std::string tooLargeReason()
{
    return "the file is larger than any question set (" + std::to_string(kLargestSet >> 20) + " MiB)";
}

std::string unreadableReason(std::error_code error) { return "the file could not be read (" + plainReason(error) + ")"; }

SetBytes::SetBytes(FileSystem& files, const std::filesystem::path& file) : block_(std::size_t{1} << 16)
{
    file_ = files.open(file, OpenMode::Read, error_);
}

std::string_view SetBytes::next()
{
    if (!file_ || error_ || tooLarge_) return {};
    const std::size_t got = file_->read(block_.data(), block_.size());
    if (file_->error()) {
        error_ = file_->error();
        return {};
    }
    total_ += got;
    if (total_ > kLargestSet) {
        tooLarge_ = true;
        return {};
    }
    return {block_.data(), got};
}

}  // namespace zv::sets
