#include "accessibility.h"

#include <QAccessibleWidget>

#include "picture_view.h"
#include "rules.h"
#include "text_box_accessible.h"
#include "words.h"

namespace lpf {
namespace {

// Decoration: no name, no role, never showing, so a screen reader passes it by.
class Unpresented : public QAccessibleWidget {
  public:
    explicit Unpresented(QWidget* w) : QAccessibleWidget(w, QAccessible::NoRole) {}
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = true;
        return s;
    }
    QString text(QAccessible::Text) const override { return {}; }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

// A label read out when it appears, its text as its name.
class AnnouncedAccessible : public QAccessibleWidget {
  public:
    explicit AnnouncedAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// A picture presented by the form's words for it: the schematics as
// images, the help sheet as a notification that reads its text.
class PictureAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit PictureAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}

    QAccessible::Role role() const override {
        return AnnouncesItself(Widget()->control()) ? QAccessible::Notification
                                                    : QAccessible::Graphic;
    }
    QAccessible::State state() const override {
        // The help sheet takes no input, which is nothing a listener needs
        // to hear as "unavailable".
        QAccessible::State s = QAccessibleWidget::state();
        s.disabled = false;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QString::fromUtf8(PictureName(Id()));
        if (t == QAccessible::Description) return QString::fromStdString(PictureDescription(Id()));
        return {};
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface && IsSheet())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The sheet's text, read-only and without a caret.
    QString text(int start, int end) const override { return Sheet().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Sheet().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

  private:
    // Asked when needed: the interface is made while the control is built.
    PictureView* Widget() const { return static_cast<PictureView*>(widget()); }
    Picture Id() const { return Widget()->id(); }
    bool IsSheet() const { return Id() == Picture::HelpSheet; }
    QString Sheet() const {
        return IsSheet() ? QString::fromStdString(HelpSheetText()) : QString();
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == QLatin1String(DecorationLabel::staticMetaObject.className()) ||
        className == QLatin1String(MaskBox::staticMetaObject.className()))
        return new Unpresented(widget);
    if (className == QLatin1String(AnnouncedLabel::staticMetaObject.className()))
        return new AnnouncedAccessible(widget);
    if (className == QLatin1String(PictureView::staticMetaObject.className()))
        return new PictureAccessible(widget);
    if (className == QLatin1String("QLineEdit")) return new TextBoxAccessible(widget);
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
}

}  // namespace lpf
