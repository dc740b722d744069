// The pictures reach the window as Qt resources (":/art/two_pole.bmp",
// ":/art/three_pole.bmp", ":/art/help_sheet.bmp"), compiled in by CMake from
// the files the art generator drew; the library needs one translation unit
// of its own to exist.
namespace lpf {
extern const int kPictureResourceLibrary = 0;
}  // namespace lpf
