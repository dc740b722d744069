// The help sheet (Picture1) with its "Close" button (Command6) laid over the
// window by "Help" (Command5), and "EXIT" (Command2).

#include <QCoreApplication>

#include "form1.h"

void Form1::Command5_Click() {
    Control<QWidget>("Picture1")->show();
    Control<QWidget>("Command6")->show();
}

void Form1::Command6_Click() {
    Control<QWidget>("Command6")->hide();
    Control<QWidget>("Picture1")->hide();
    Control<QWidget>("Text1")->setFocus();
}

// Ends the program at once: nothing to ask, nothing to save.
void Form1::Command2_Click() {
    QCoreApplication::exit(0);
}
