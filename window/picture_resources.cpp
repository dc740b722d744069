// The pictures reach the program as Qt resources (":/art/two_pole.bmp",
// ":/art/three_pole.bmp", ":/art/help_sheet.bmp"), compiled in by CMake; the
// library needs one translation unit of its own to exist.
namespace lpf::art {
extern const int kArtResourceLibrary = 0;
}  // namespace lpf::art
