// The page in the user's colours. Forced colours, as a browser calls a
// high-contrast setting, turn on the form's high-contrast rule: the page
// then dresses every control itself in the browser's system colours (the
// style sheet keeps the browser from forcing them again), and the pictures
// are drawn in that palette. Each switch dresses the page anew.

#include <cstdint>
#include <string>

#include "high_contrast.h"
#include "look.h"
#include "page.h"
#include "pictures.h"
#include "rules.h"

namespace lpf::web {
namespace {

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64(const std::string& bytes) {
    std::string text;
    std::uint32_t bits = 0;
    int count = 0;
    for (const char byte : bytes) {
        bits = bits << 8 | static_cast<unsigned char>(byte);
        for (count += 8; count >= 6;) text += kBase64[bits >> (count -= 6) & 63];
    }
    if (count > 0) text += kBase64[bits << (6 - count) & 63];
    while (text.size() % 4) text += '=';
    return text;
}

std::uint32_t Crc32(const std::string& bytes, std::size_t from, std::size_t to) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = from; i < to; ++i) {
        crc ^= static_cast<unsigned char>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit) crc = crc >> 1 ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

// The PNG with each colour of its palette as the high-contrast scheme draws
// it; its pixels index the palette and stay as they are. The checksum of
// the palette's chunk, over its type and its colours, follows them.
std::string InHighContrast(const PicturePng& png) {
    std::string bytes(png.bytes);
    const std::size_t end = png.palette + 3 * png.colours;
    for (std::size_t at = png.palette; at < end; at += 3) {
        const auto* colour = reinterpret_cast<const unsigned char*>(&bytes[at]);
        const Colour pixel = Rgb(colour[0], colour[1], colour[2]);
        const int rgb = ResolvedRgb(CssColour(PictureInk(pixel, Scheme::HighContrast)));
        for (int k = 0; k < 3; ++k) bytes[at + k] = static_cast<char>(rgb >> (16 - 8 * k));
    }
    const std::uint32_t crc = Crc32(bytes, png.palette - 4, end);
    for (int k = 0; k < 4; ++k) bytes[end + k] = static_cast<char>(crc >> (24 - 8 * k));
    return bytes;
}

std::string PictureUrl(Picture picture, Scheme scheme) {
    const PicturePng png = PicturePngOf(picture);
    const std::string bytes =
        scheme == Scheme::Design ? std::string(png.bytes) : InHighContrast(png);
    return "data:image/png;base64," + Base64(bytes);
}

}  // namespace

void Page::FollowScheme() {
    const Scheme scheme =
        forcedColours_["matches"].as<bool>() ? Scheme::HighContrast : Scheme::Design;
    SetScheme(scheme);
    for (const ControlRow& row : ControlTable()) {
        val style = Box(row.id)["style"];
        style.set("background", CssColour(ColourShown(row.id, Layer::Back)));
        style.set("color", CssColour(ColourShown(row.id, Layer::Fore)));
        if (row.picture != Picture::None)
            Box(row.id)["firstElementChild"].set("src", PictureUrl(row.picture, scheme));
    }
}

}  // namespace lpf::web
