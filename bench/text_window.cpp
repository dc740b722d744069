// The minimal window with one line of text in it: how much of the start-up
// and memory above the bare window any text at all costs (fontconfig, the
// font database, FreeType and HarfBuzz), before the calculator's own controls.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setGeometry(111, 117, 542, 395);
    QLabel label(QStringLiteral("Enter frequency (Hz)"), &window);
    label.move(24, 328);
    window.show();
    return app.exec();
}
