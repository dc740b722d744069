// Draws the window's three pictures and writes them as BMP files into the
// folder named on the command line:
//     lpf_art_generator <output-folder>
// The output is the same bytes on every run and every machine: the text is
// set in the hand-drawn faces of this folder, not in any installed font. The
// committed pictures in this folder are its output.

#include <cstdio>
#include <exception>
#include <string>

#include "artwork.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    for (const lpf::Picture picture : {lpf::Picture::TwoPoleSchematic,
                                       lpf::Picture::ThreePoleSchematic, lpf::Picture::HelpSheet}) {
        const char* name = lpf::PictureFile(picture);
        const std::string path = dir + "/" + name;
        try {
            if (!lpf::art::WriteFile(path, lpf::art::Draw(picture).ToBmp())) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
        } catch (const std::exception& e) {
            // A text asks for a glyph that the faces do not have.
            std::fprintf(stderr, "%s: %s\n", name, e.what());
            return 1;
        }
    }
    return 0;
}
