// The page in the user's colours. Forced colours, as a browser calls a
// high-contrast setting, turn on the form's high-contrast rule: the page
// then dresses every control itself in the browser's system colours (the
// style sheet keeps the browser from forcing them again), and the pictures
// are drawn in that palette. Each switch dresses the page anew.

#include <cstdint>
#include <cstring>
#include <string>

#include "high_contrast.h"
#include "look.h"
#include "page.h"
#include "pictures.h"
#include "rules.h"

namespace lpf::web {
namespace {

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string FromBase64(const char* text) {
    std::string bytes;
    std::uint32_t bits = 0;
    int count = 0;
    for (; *text && *text != '='; ++text) {
        bits = bits << 6 | static_cast<std::uint32_t>(std::strchr(kBase64, *text) - kBase64);
        if ((count += 6) >= 8) bytes += static_cast<char>(bits >> (count -= 8) & 0xFF);
    }
    return bytes;
}

std::string ToBase64(const std::string& bytes) {
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

std::uint32_t Crc32(const std::string& bytes, std::size_t from, std::size_t length) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = from; i < from + length; ++i) {
        crc ^= static_cast<unsigned char>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit) crc = crc >> 1 ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

int Byte(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

// The PNG with each colour of its palette as the high-contrast scheme draws
// it; its pixels index the palette and stay as they are.
std::string InHighContrast(std::string png) {
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::size_t length =
            static_cast<std::size_t>(Byte(png, at) << 24 | Byte(png, at + 1) << 16 |
                                     Byte(png, at + 2) << 8 | Byte(png, at + 3));
        if (png.compare(at + 4, 4, "PLTE") == 0) {
            for (std::size_t entry = at + 8; entry + 3 <= at + 8 + length; entry += 3) {
                const Colour ink =
                    PictureInk(Rgb(Byte(png, entry), Byte(png, entry + 1), Byte(png, entry + 2)),
                               Scheme::HighContrast);
                const int rgb = ResolvedRgb(CssColour(ink));
                for (int k = 0; k < 3; ++k) png[entry + k] = static_cast<char>(rgb >> (16 - 8 * k));
            }
            const std::uint32_t crc = Crc32(png, at + 4, length + 4);
            for (int k = 0; k < 4; ++k)
                png[at + 8 + length + k] = static_cast<char>(crc >> (24 - 8 * k));
        }
        at += 12 + length;
    }
    return png;
}

constexpr char kUrlStart[] = "data:image/png;base64,";

std::string PictureUrl(Picture picture, Scheme scheme) {
    const char* url = PictureDataUrl(picture);
    if (scheme == Scheme::Design) return url;
    return kUrlStart + ToBase64(InHighContrast(FromBase64(url + std::strlen(kUrlStart))));
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
