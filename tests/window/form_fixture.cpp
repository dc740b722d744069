#include "form_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScrollBar>

#include "look.h"

std::unique_ptr<Form1> OpenForm() {
    lpf::PrepareApplication(*qApp);
    auto form = std::make_unique<Form1>();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowExposed(form.get())) qFatal("the window was never exposed");
    return form;
}

QMap<QString, QString> VisibleState(const Form1& form) {
    QMap<QString, QString> state;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        QString s = w->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden");
        if (auto* box = qobject_cast<QLineEdit*>(w))
            s += QStringLiteral(" text=[%1]").arg(box->text());
        if (auto* label = qobject_cast<QLabel*>(w))
            s += QStringLiteral(" text=[%1] fore=%2")
                     .arg(label->text(), label->palette().color(QPalette::WindowText).name());
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable())
            s += button->isChecked() ? QStringLiteral(" set") : QStringLiteral(" clear");
        if (auto* bar = qobject_cast<QScrollBar*>(w))
            s += QStringLiteral(" value=%1 min=%2 step=%3")
                     .arg(bar->value())
                     .arg(bar->minimum())
                     .arg(bar->singleStep());
        state.insert(w->objectName(), s);
    }
    auto& self = const_cast<Form1&>(form);
    state.insert(QStringLiteral("Rval"), QString::number(self.State().Rval));
    QWidget* focus = QApplication::focusWidget();
    state.insert(QStringLiteral("focus"), focus ? focus->objectName() : QString());
    return state;
}

bool Shown(const Form1& form, const char* name) {
    return form.Control<QWidget>(name)->isVisible();
}

QString Text(const Form1& form, const char* name) {
    if (auto* box = form.Control<QLineEdit>(name)) return box->text();
    return form.Control<QLabel>(name)->text();
}

void Click(Form1& form, const char* name) {
    QWidget* w = form.Control<QWidget>(name);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

void Type(Form1& form, const char* name, const QString& text) {
    QWidget* box = form.Control<QWidget>(name);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QRgb PixelAt(Form1& form, int x, int y) {
    return form.grab().toImage().pixel(x, y) & 0xFFFFFF;
}
