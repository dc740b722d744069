#pragma once
// A small true-colour pixel grid with the few drawing operations the artwork
// needs: every primitive sets whole pixels to one colour, so nothing is
// smoothed and the pictures keep a handful of exact colours.

#include <cstdint>
#include <string>
#include <vector>

namespace lpf::art {

// 0xRRGGBB.
using Rgb = std::uint32_t;

inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kDarkBlue = 0x004080;

class Raster {
  public:
    Raster(int width, int height, Rgb background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

    // Pixels outside the grid are ignored.
    void Set(int x, int y, Rgb colour);
    // Both ends included.
    void HLine(int x0, int x1, int y, Rgb colour);
    void VLine(int x, int y0, int y1, Rgb colour);
    // Bresenham line, both end points included, one pixel per step of the
    // longer axis.
    void Line(int x0, int y0, int x1, int y1, Rgb colour);
    // Inclusive corners.
    void FillRect(int left, int top, int right, int bottom, Rgb colour);

    // The picture as an uncompressed 24-bit Windows bitmap: BITMAPINFOHEADER,
    // no colour table, 3780 pixels per metre (96 dpi) both ways, rows stored
    // bottom-up and padded to four bytes.
    std::vector<std::uint8_t> ToBmp() const;

  private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace lpf::art
