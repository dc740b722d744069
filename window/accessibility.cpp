#include "accessibility.h"

#include <QAccessibleWidget>
#include <QRadioButton>
#include <cstring>

#include "form1.h"
#include "picture_view.h"

namespace lpf {
namespace {

// Each box is named by the caption standing beside it for the order on show,
// without its "=", and by the unit printed after it; the voice-control user
// says the words they see, the listener hears which value it is.
struct CaptionedBox {
    const char* box;
    const char* twoPolesCaption;
    const char* threePolesCaption;
    const char* unit;  // the unit's label, or nullptr where the caption names it
};

constexpr CaptionedBox kCaptionedBoxes[] = {
    {"Text5", "Label19", "Label19", nullptr},     // "Enter frequency (Hz)"
    {"HScroll1", "Label13", "Label14", nullptr},  // "Select R1", "Select R3"
    {"Text1", "Label4", "Label1", "Label15"},     // "R1 = R2 =", "R3 = R4 = R5 =", "Ohm"
    {"Text2", "Label5", "Label10", "Label16"},    // "C1 =", "C3 =", "uF"
    {"Text3", "Label6", "Label11", "Label17"},    // "C2 =", "C4 =", "uF"
    {"Text4", "Label12", "Label12", "Label18"},   // "C5 =" (shown with three poles only), "uF"
};

// The pictures in words: the schematics as the circuit they draw, the help
// sheet as the text it prints, its title first. The sheet announces itself
// when it opens, as a notification does, and reads its text.
struct PictureText {
    const char* control;
    QAccessible::Role role;
    const char* name;
    const char* description;  // the sheet: all its text, also as its text
};

const PictureText kPictureTexts[] = {
    {"Image1", QAccessible::Graphic, "Two-pole filter schematic",
     "Vin feeds resistor R1. From the junction after R1, capacitor C1 goes up to the output, "
     "and resistor R2 leads on to the amplifier's non-inverting input. Capacitor C2 connects "
     "that input to ground. The amplifier's inverting input is wired to its output, so it "
     "works as a unity-gain follower. The output is Vout."},
    {"Image2", QAccessible::Graphic, "Three-pole filter schematic",
     "Vin feeds resistor R3. Capacitor C4 connects the junction after R3 to ground. Resistor "
     "R4 leads on to a second junction, from which capacitor C3 goes up to the output. "
     "Resistor R5 leads from the second junction to the amplifier's non-inverting input, and "
     "capacitor C5 connects that input to ground. The amplifier's inverting input is wired to "
     "its output, so it works as a unity-gain follower. The output is Vout."},
    {"Picture1", QAccessible::Notification, "Help",
     "Low Pass Filter Design\n"
     "Instructions\n"
     "1. Select the number of filter poles (order) you are designing.\n"
     "2. Enter the cutoff Frequency of the Low Pass Filter.\n"
     "3. Select the Resistor values available to you.\n"
     "4. Click on \"Design\".\n"
     "Capacitors will be designed accordingly.\n"
     "Note: Use the scroll bar to select resistor value. Use \"Increment\" for fast resistor "
     "value navigation."},
};

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

// A picture presented by its words. The row is looked up when asked for, as
// the interface is made while the control is built, before it has its name.
class PictureAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit PictureAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}

    QAccessible::Role role() const override {
        const PictureText* row = Row();
        return row ? row->role : QAccessible::Graphic;
    }
    QAccessible::State state() const override {
        // The help sheet takes no input, which is nothing a listener needs
        // to hear as "unavailable".
        QAccessible::State s = QAccessibleWidget::state();
        s.disabled = false;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        const PictureText* row = Row();
        if (!row) return {};
        if (t == QAccessible::Name) return QString::fromUtf8(row->name);
        if (t == QAccessible::Description) return QString::fromUtf8(row->description);
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
    const PictureText* Row() const {
        for (const PictureText& row : kPictureTexts)
            if (widget()->objectName() == QLatin1String(row.control)) return &row;
        return nullptr;
    }
    bool IsSheet() const { return role() != QAccessible::Graphic; }
    QString Sheet() const {
        const PictureText* row = Row();
        return row && IsSheet() ? QString::fromUtf8(row->description) : QString();
    }
};

// A text box as Qt presents one, but with the whole text as one run of
// (default) text attributes. Qt 6 reports a run for each character that ends
// where it starts; Orca joins the runs and so reads every box one character
// short: "0.25652883096825" for "0.256528830968259".
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
  public:
    explicit TextBoxAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = Box()->isReadOnly();
        s.editable = !Box()->isReadOnly();
        s.selectableText = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Box()->text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t == QAccessible::Value && !Box()->isReadOnly()) Box()->setText(text);
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
        if (Box()->isReadOnly()) return;
        QString changed = Box()->text();
        changed.replace(start, end - start, text);
        Box()->setText(changed);
    }

  private:
    QLineEdit* Box() const { return static_cast<QLineEdit*>(widget()); }
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

QString CaptionWords(const QLabel* caption) {
    QString words = caption->text().trimmed();
    if (words.endsWith(QLatin1Char('='))) words.chop(1);
    return words.trimmed();
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = (QAccessible::installFactory(Factory), true);
    Q_UNUSED(installed);
}

void NameBoxesByCaptions(Form1& form) {
    const bool twoPoles = form.TwoPolesSelected();
    for (const CaptionedBox& row : kCaptionedBoxes) {
        auto* box = form.Control<QWidget>(row.box);
        auto* caption =
            form.Control<QLabel>(twoPoles ? row.twoPolesCaption : row.threePolesCaption);
        QString name = CaptionWords(caption);
        if (row.unit) name += QStringLiteral(" (%1)").arg(form.Control<QLabel>(row.unit)->text());
        // A caption that stays with its box whatever the order is the box's
        // label too. A screen reader speaks the label's name in place of the
        // box's, so it carries the unit as well. Captions that change with
        // the order are no label: no event tells a screen reader that a label
        // changed, and Orca keeps the old one for up to a minute, announcing
        // the other circuit's parts. Their boxes are known by name alone.
        if (std::strcmp(row.twoPolesCaption, row.threePolesCaption) == 0) {
            caption->setBuddy(box);
            caption->setAccessibleName(name);
        }
        box->setAccessibleName(name);
    }
}

}  // namespace lpf
