#include "platform.h"

#include <QByteArray>
#include <QtGlobal>

namespace lpf {

void PreferX11Platform() {
    // Qt itself treats an empty value as no choice.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
    }
}

}  // namespace lpf
