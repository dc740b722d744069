#include <QApplication>

#include "form1.h"
#include "look.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lpf::PrepareApplication(app);
    Form1 form;
    form.show();
    return app.exec();
}
