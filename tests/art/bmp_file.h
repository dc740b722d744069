#pragma once
// Reads a Windows bitmap byte by byte, without any imaging library, so the
// tests see every header field as it is stored.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace lpf::art::test {

struct BmpFile {
    std::vector<std::uint8_t> bytes;

    // File header.
    char magic[2] = {0, 0};
    std::uint32_t fileSize = 0;
    std::uint32_t reserved = 0;
    std::uint32_t dataOffset = 0;
    // BITMAPINFOHEADER.
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: rows stored bottom-up
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::int32_t xPixelsPerMetre = 0;
    std::int32_t yPixelsPerMetre = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t importantColours = 0;

    // Bytes per stored row, padded to a multiple of four.
    std::size_t RowBytes() const { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }

    // 0xRRGGBB of the pixel at (x, y), y counted down from the top row.
    std::uint32_t Pixel(int x, int y) const {
        const std::size_t row = static_cast<std::size_t>(height - 1 - y);
        const std::size_t at = dataOffset + row * RowBytes() + static_cast<std::size_t>(x) * 3;
        return static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
               static_cast<std::uint32_t>(bytes[at + 1]) << 8 | bytes[at];
    }
};

inline std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int count) {
    std::uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
    return v;
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Header fields only; an empty or short file leaves them zero.
inline BmpFile ReadBmp(const std::string& path) {
    BmpFile f;
    f.bytes = ReadBytes(path);
    const auto& b = f.bytes;
    if (b.size() < 54) return f;
    f.magic[0] = static_cast<char>(b[0]);
    f.magic[1] = static_cast<char>(b[1]);
    f.fileSize = Le(b, 2, 4);
    f.reserved = Le(b, 6, 4);
    f.dataOffset = Le(b, 10, 4);
    f.infoSize = Le(b, 14, 4);
    f.width = static_cast<std::int32_t>(Le(b, 18, 4));
    f.height = static_cast<std::int32_t>(Le(b, 22, 4));
    f.planes = static_cast<std::uint16_t>(Le(b, 26, 2));
    f.bitsPerPixel = static_cast<std::uint16_t>(Le(b, 28, 2));
    f.compression = Le(b, 30, 4);
    f.imageSize = Le(b, 34, 4);
    f.xPixelsPerMetre = static_cast<std::int32_t>(Le(b, 38, 4));
    f.yPixelsPerMetre = static_cast<std::int32_t>(Le(b, 42, 4));
    f.coloursUsed = Le(b, 46, 4);
    f.importantColours = Le(b, 50, 4);
    return f;
}

}  // namespace lpf::art::test
