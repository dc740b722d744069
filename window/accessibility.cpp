#include "accessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include "rules.h"
#include "words.h"

namespace lpf {
namespace {

// A text box as Qt presents one to assistive technology (every box of this
// window takes typing), but with the whole text as one run of (default) text
// attributes. Qt 6 reports a run for each character that ends where it
// starts; Orca joins the runs and so reads every box one character short:
// "0.25652883096825" for "0.256528830968259".
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
  public:
    explicit TextBoxAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.selectableText = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Box()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value) Box()->setText(text);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(int start, int end) const override {
        return end < 0 ? Box()->text().mid(start) : Box()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Box()->text().size()); }
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
    int cursorPosition() const override { return Box()->cursorPosition(); }
    void setCursorPosition(int position) override { Box()->setCursorPosition(position); }
    int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !Box()->hasSelectedText()) return;
        *start = Box()->selectionStart();
        *end = Box()->selectionEnd();
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { Box()->deselect(); }
    void setSelection(int, int start, int end) override { Box()->setSelection(start, end - start); }
    void scrollToSubstring(int, int end) override { Box()->setCursorPosition(end); }
    QRect characterRect(int offset) const override {
        // Where the character stands while the text is scrolled to its start,
        // which is how a box of this window shows its value.
        const QFontMetrics metrics(Box()->font());
        const QString text = Box()->text();
        const QRect inner = Box()->contentsRect().marginsRemoved(Box()->textMargins());
        const int x = inner.left() + 2 + metrics.horizontalAdvance(text.left(offset));
        const int width = offset < text.size() ? metrics.horizontalAdvance(text.at(offset)) : 0;
        const QRect local(x, inner.top() + (inner.height() - metrics.height()) / 2, width,
                          metrics.height());
        return QRect(Box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        QString changed = Box()->text();
        changed.replace(start, end - start, text);
        Box()->setText(changed);
    }

  private:
    QLineEdit* Box() const { return static_cast<QLineEdit*>(widget()); }
};

// A control the form presents as other than its kind. Decoration has no
// name, no role and never shows, so a screen reader passes it by. An alert
// is read out as it appears, by its name. A picture is named and described
// by the form's words for it; the help sheet, an alert too, also reads its
// text.
class PresentedAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    PresentedAccessible(QWidget* w, ControlId id)
        : QAccessibleWidget(w, RoleOf(id) == AccessibleRole::Alert   ? QAccessible::Notification
                               : RoleOf(id) == AccessibleRole::Image ? QAccessible::Graphic
                                                                     : QAccessible::NoRole),
          id_(id) {}

    QAccessible::State state() const override {
        QAccessible::State s;
        if (Decoration()) {
            s.invisible = true;
            return s;
        }
        // The help sheet takes no input, which is nothing a listener needs
        // to hear as "unavailable".
        s = QAccessibleWidget::state();
        s.disabled = false;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        const Picture picture = Row(id_).picture;
        if (Decoration()) return {};
        if (picture == Picture::None)  // an alert, by its caption
            return t == QAccessible::Name ? widget()->property("text").toString()
                                          : QAccessibleWidget::text(t);
        if (t == QAccessible::Name) return QString::fromUtf8(PictureName(picture));
        if (t == QAccessible::Description)
            return QString::fromStdString(PictureDescription(picture));
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
    bool Decoration() const { return RoleOf(id_) == AccessibleRole::None; }
    bool IsSheet() const { return Row(id_).picture == Picture::HelpSheet; }
    QString Sheet() const {
        return IsSheet() ? QString::fromStdString(HelpSheetText()) : QString();
    }

    ControlId id_;
};

// Qt asks for each class a widget is, the class it was built as first, and
// takes the first interface it is given.
QAccessibleInterface* Factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || className != QLatin1String(object->metaObject()->className())) return nullptr;
    if (className == QLatin1String("QLineEdit")) return new TextBoxAccessible(widget);
    const auto id = ControlNamed(widget->objectName().toStdString());
    if (id && RoleOf(*id) != AccessibleRole::OfItsKind) return new PresentedAccessible(widget, *id);
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
}

}  // namespace lpf
