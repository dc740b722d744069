// The yardstick for start-up time and memory: the least a Qt Widgets program
// does to put a window of the calculator's size and place on the screen.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setGeometry(111, 117, 542, 395);
    window.show();
    return app.exec();
}
