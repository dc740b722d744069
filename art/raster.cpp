#include "raster.h"

#include <cstdlib>
#include <fstream>
#include <utility>

namespace lpf::art {

Raster::Raster(int width, int height, Rgb background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width * height), background) {}

void Raster::Set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
}

void Raster::HLine(int x0, int x1, int y, Rgb colour) {
    if (x0 > x1) std::swap(x0, x1);
    for (int x = x0; x <= x1; ++x) Set(x, y, colour);
}

void Raster::VLine(int x, int y0, int y1, Rgb colour) {
    if (y0 > y1) std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y) Set(x, y, colour);
}

void Raster::Line(int x0, int y0, int x1, int y1, Rgb colour) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        Set(x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Raster::FillRect(int left, int top, int right, int bottom, Rgb colour) {
    for (int y = top; y <= bottom; ++y) HLine(left, right, y, colour);
}

namespace {

void PutLe16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutLe32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutLe16(out, v & 0xFFFF);
    PutLe16(out, v >> 16);
}

}  // namespace

std::vector<std::uint8_t> Raster::ToBmp() const {
    constexpr std::uint32_t kFileHeaderSize = 14;
    constexpr std::uint32_t kInfoHeaderSize = 40;
    constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dpi
    const auto rowBytes = static_cast<std::uint32_t>((width_ * 3 + 3) / 4 * 4);
    const auto imageBytes = rowBytes * static_cast<std::uint32_t>(height_);
    const auto dataOffset = kFileHeaderSize + kInfoHeaderSize;

    std::vector<std::uint8_t> out;
    out.reserve(dataOffset + imageBytes);
    out.push_back('B');
    out.push_back('M');
    PutLe32(out, dataOffset + imageBytes);  // file size
    PutLe32(out, 0);                        // two reserved words
    PutLe32(out, dataOffset);

    PutLe32(out, kInfoHeaderSize);
    PutLe32(out, static_cast<std::uint32_t>(width_));
    PutLe32(out, static_cast<std::uint32_t>(height_));  // positive: bottom-up rows
    PutLe16(out, 1);                                    // planes
    PutLe16(out, 24);                                   // bits per pixel
    PutLe32(out, 0);                                    // BI_RGB, no compression
    PutLe32(out, imageBytes);
    PutLe32(out, kPixelsPerMetre);
    PutLe32(out, kPixelsPerMetre);
    PutLe32(out, 0);  // colours used: none, no colour table
    PutLe32(out, 0);  // important colours

    for (int y = height_ - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < width_; ++x) {
            const Rgb c = At(x, y);
            out.push_back(static_cast<std::uint8_t>(c & 0xFF));          // blue
            out.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));   // green
            out.push_back(static_cast<std::uint8_t>((c >> 16) & 0xFF));  // red
        }
        while (out.size() - rowStart < rowBytes) out.push_back(0);
    }
    return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace lpf::art
