#include <QApplication>

#include "form1.h"
#include "look.h"
#include "platform.h"

int main(int argc, char* argv[]) {
    lpf::PreferX11Platform();
    QApplication app(argc, argv);
    lpf::PrepareApplication(app);
    Form1 form;
    form.show();
    return app.exec();
}
