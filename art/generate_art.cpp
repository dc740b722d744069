// Draws the window's three pictures and writes them as BMP files into the
// folder named on the command line:
//     lpf_art_generator <output-folder>
// The output is the same bytes on every run; the committed pictures in this
// folder are its output.

#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "artwork.h"
#include "lettering.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    // Text is rendered off screen whatever display the caller has, so the
    // pixels do not depend on a windowing system's font settings.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!lpf::art::LoadLetteringFonts()) {
        std::fprintf(stderr, "Liberation Sans not found (package fonts-liberation)\n");
        return 1;
    }

    const std::string dir = argv[1];
    const struct {
        const char* name;
        lpf::art::Raster picture;
    } outputs[] = {
        {"two_pole.bmp", lpf::art::DrawTwoPoleSchematic()},
        {"three_pole.bmp", lpf::art::DrawThreePoleSchematic()},
        {"help_sheet.bmp", lpf::art::DrawHelpSheet()},
    };
    for (const auto& out : outputs) {
        const std::string path = dir + "/" + out.name;
        if (!lpf::art::WriteFile(path, out.picture.ToBmp())) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
