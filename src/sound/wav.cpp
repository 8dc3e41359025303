#include "sound/wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <system_error>

namespace zv::sound {

namespace {
// RIFF is little-endian whatever the machine.
void put(std::string& out, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::int16_t pcm(double x) { return static_cast<std::int16_t>(std::lround(std::clamp(x, -1.0, 1.0) * 32767)); }
}  // namespace

std::string wavBytes(const Stereo& sound, int channels)
{
    const auto data = static_cast<std::uint32_t>(sound.frames() * channels * 2);
    std::string out = "RIFF";
    put(out, 36 + data, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);                    // size of the format chunk
    put(out, 1, 2);                     // PCM
    put(out, channels, 2);
    put(out, kRate, 4);
    put(out, kRate * channels * 2, 4);  // bytes a second
    put(out, channels * 2, 2);          // bytes a frame
    put(out, 16, 2);                    // bits a sample
    out += "data";
    put(out, data, 4);
    out.reserve(out.size() + data);
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        if (channels == 1) {
            put(out, static_cast<std::uint16_t>(pcm(0.5 * (sound.left[i] + sound.right[i]))), 2);
        } else {
            put(out, static_cast<std::uint16_t>(pcm(sound.left[i])), 2);
            put(out, static_cast<std::uint16_t>(pcm(sound.right[i])), 2);
        }
    }
    return out;
}

bool writeWav(const std::filesystem::path& file, const Stereo& sound, int channels)
{
    const std::string bytes = wavBytes(sound, channels);
    std::filesystem::path temporary = file;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, file, ec);
    return !ec;
}

}  // namespace zv::sound
