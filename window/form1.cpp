#include "form1.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "accessibility.h"
#include "look.h"
#include "picture_view.h"
#include "scroll_bar.h"

using lpf::ControlId;
using lpf::ControlRow;
using lpf::Kind;

namespace {

constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                         Qt::MSWindowsFixedSizeDialogHint;

// Labels and pictures are painted on the window's own surface in the design,
// so they lie beneath every other control whatever their place in the table.
bool DrawnOnWindowSurface(Kind kind) {
    return kind == Kind::Label || kind == Kind::Image;
}

bool TakesFocus(Kind kind) {
    return kind == Kind::PushButton || kind == Kind::TextBox || kind == Kind::ScrollBar ||
           kind == Kind::OptionButton;
}

// An option button answers a click anywhere in its rectangle, not only on its
// mark and caption, so a click that focuses it always selects it too.
class OptionButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

QString ColouredFaceStyle(const QColor& face) {
    // A style sheet face shows exactly the colour asked for; the bevel is
    // drawn in shades of the same colour.
    return QStringLiteral(
               "QPushButton { background-color: %1; border: 2px outset %2; }"
               "QPushButton:focus { border: 2px outset %3; }"
               "QPushButton:pressed { border-style: inset; }")
        .arg(face.name(), face.lighter(130).name(), face.darker(250).name());
}

QWidget* MakeWidget(const ControlRow& c, QWidget* container) {
    const QString text = QString::fromUtf8(c.text);
    switch (c.kind) {
        case Kind::PushButton:
            return new QPushButton(text, container);
        case Kind::TextBox:
            return new QLineEdit(text, container);
        case Kind::MaskBox:
            return new lpf::MaskBox(text, container);
        case Kind::ScrollBar:
            return new lpf::HorizontalScrollBar(container);
        case Kind::Frame:
            return new QGroupBox(text, container);
        case Kind::OptionButton:
            return new OptionButton(text, container);
        case Kind::Label:
            if (c.presence == lpf::Presence::Announced)
                return new lpf::AnnouncedLabel(text, container);
            if (c.presence == lpf::Presence::Decoration)
                return new lpf::DecorationLabel(text, container);
            return new QLabel(text, container);
        case Kind::Image:
        case Kind::PictureBox:
            return new lpf::PictureView(c.picture, container);
    }
    return nullptr;
}

void Dress(QWidget* w, const ControlRow& c) {
    w->setObjectName(QString::fromLatin1(c.name));
    w->setGeometry(lpf::Px(c.left), lpf::Px(c.top), lpf::Px(c.width), lpf::Px(c.height));
    if (c.font.face) w->setFont(lpf::MappedFont(c.font));
    w->setVisible(c.shown);

    QPalette palette = w->palette();
    const QColor back = lpf::Resolve(c.back);
    QColor fore = lpf::Resolve(c.fore);
    const bool captioned =
        c.kind == Kind::Label || c.kind == Kind::Frame || c.kind == Kind::OptionButton;
    if (!fore.isValid() && captioned) fore = lpf::Resolve(lpf::Sys(18));  // button text
    if (back.isValid() && c.kind != Kind::PushButton) {
        palette.setColor(QPalette::Window, back);
        w->setAutoFillBackground(true);  // opaque: fills its whole rectangle
    }
    if (fore.isValid()) {
        palette.setColor(QPalette::WindowText, fore);
        palette.setColor(QPalette::ButtonText, fore);
    }
    w->setPalette(palette);

    switch (c.kind) {
        case Kind::PushButton:
            if (back.isValid()) w->setStyleSheet(ColouredFaceStyle(back));
            break;
        case Kind::Frame:
            // The etched line runs through the middle of the title, so the
            // options just below it never cover it.
            w->setStyleSheet(QStringLiteral(
                "QGroupBox { border: 2px groove palette(mid); margin-top: 0.5em; }"
                "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
            break;
        case Kind::PictureBox:
            w->setEnabled(false);  // the help sheet takes no mouse or keyboard input
            break;
        case Kind::MaskBox: {
            auto* mask = static_cast<QLineEdit*>(w);
            mask->setFrame(false);
            mask->setReadOnly(true);
            mask->setFocusPolicy(Qt::NoFocus);
            break;
        }
        case Kind::ScrollBar: {
            auto* bar = static_cast<QScrollBar*>(w);
            bar->setRange(lpf::kHScroll1.minimum, lpf::kHScroll1.maximum);
            bar->setValue(lpf::kHScroll1.value);
            bar->setSingleStep(lpf::kHScroll1.smallStep);
            bar->setPageStep(lpf::kHScroll1.largeStep);
            bar->setTracking(false);  // report the value once it has settled, not mid-drag
            bar->setFocusPolicy(Qt::StrongFocus);
            break;
        }
        case Kind::OptionButton:
            static_cast<QRadioButton*>(w)->setChecked(c.checked);
            break;
        case Kind::Label: {
            auto* label = static_cast<QLabel*>(w);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        }
        default:
            break;
    }
}

// Within an option group only the selected option is a stop of the Tab walk;
// the arrow keys move the selection between the options.
void FollowSelectionWithTabStop(QRadioButton* option) {
    auto update = [option](bool checked) {
        option->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    };
    update(option->isChecked());
    QObject::connect(option, &QRadioButton::toggled, option, update);
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent, kWindowFlags) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(lpf::kForm1.title));
    setFont(lpf::MappedFont(lpf::kForm1.font));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, lpf::Resolve(lpf::kForm1.back));
    setPalette(palette);
    setAutoFillBackground(true);
    // Manual placement: the client area at its place on the screen.
    const QRect client(lpf::Px(lpf::kForm1.left), lpf::Px(lpf::kForm1.top),
                       lpf::Px(lpf::kForm1.width), lpf::Px(lpf::kForm1.height));
    setFixedSize(client.size());
    setGeometry(client);

    lpf::InstallAccessibility();
    BuildControls();
    ReportUserActions();
    form_.Open();
}

void Form1::BuildControls() {
    const auto table = lpf::ControlTable();
    for (const ControlRow& c : table) {
        QWidget* w = MakeWidget(c, WidgetOrWindow(c.container));
        Dress(w, c);
        widgets_[lpf::Index(c.id)] = w;
    }

    // Stacking: raise from the bottom of the table up, the window-surface
    // controls first, so that every other control ends above them.
    for (bool surface : {true, false})
        for (std::size_t i = table.size(); i-- > 0;)
            if (DrawnOnWindowSurface(table[i].kind) == surface) widgets_[i]->raise();

    std::vector<std::size_t> walk;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (TakesFocus(table[i].kind)) walk.push_back(i);
    std::sort(walk.begin(), walk.end(),
              [&](std::size_t a, std::size_t b) { return table[a].tab < table[b].tab; });
    for (std::size_t k = 1; k < walk.size(); ++k)
        setTabOrder(widgets_[walk[k - 1]], widgets_[walk[k]]);
    for (QRadioButton* option : findChildren<QRadioButton*>()) FollowSelectionWithTabStop(option);
    widgets_[walk.front()]->setFocus();  // the first Tab stop has the focus when the window opens
}

// Push buttons report their clicks, option buttons their becoming selected
// (by mouse, arrow key), the scroll bar its settled value (arrow, trough,
// key, end of a drag).
void Form1::ReportUserActions() {
    for (const ControlRow& c : lpf::ControlTable()) {
        QWidget* w = Widget(c.id);
        const ControlId id = c.id;
        if (c.kind == Kind::PushButton)
            connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this,
                    [this, id] { form_.Clicked(id); });
        if (c.kind == Kind::OptionButton)
            connect(static_cast<QRadioButton*>(w), &QRadioButton::toggled, this,
                    [this, id](bool on) {
                        if (on && !changingByProgram_) form_.OptionSelected(id);
                    });
        if (c.kind == Kind::ScrollBar)
            connect(static_cast<QScrollBar*>(w), &QScrollBar::valueChanged, this, [this, id] {
                if (!changingByProgram_) form_.ScrollSettled(id);
            });
    }
}

QWidget* Form1::WidgetOrWindow(ControlId id) const {
    return id == ControlId::Form1 ? const_cast<Form1*>(this) : Widget(id);
}

// What the form's handlers change and read.

void Form1::SetVisible(ControlId id, bool visible) {
    Widget(id)->setVisible(visible);
}

void Form1::SetText(ControlId id, const std::string& text) {
    const QString t = QString::fromStdString(text);
    QWidget* w = Widget(id);
    if (auto* box = qobject_cast<QLineEdit*>(w)) box->setText(t);
    if (auto* label = qobject_cast<QLabel*>(w)) label->setText(t);
}

std::string Form1::Text(ControlId id) const {
    QWidget* w = Widget(id);
    if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    return {};
}

void Form1::SetForeColour(ControlId id, lpf::Colour colour) {
    QWidget* w = Widget(id);
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, lpf::Resolve(colour));
    w->setPalette(palette);
}

void Form1::Repaint(ControlId id) {
    WidgetOrWindow(id)->update();
}

bool Form1::Selected(ControlId option) const {
    return static_cast<QRadioButton*>(Widget(option))->isChecked();
}

void Form1::Select(ControlId option) {
    const QScopedValueRollback quiet(changingByProgram_, true);
    static_cast<QRadioButton*>(Widget(option))->setChecked(true);
}

int Form1::ScrollValue(ControlId bar) const {
    return static_cast<QScrollBar*>(Widget(bar))->value();
}

void Form1::SetScrollMinimum(ControlId bar, int minimum) {
    const QScopedValueRollback quiet(changingByProgram_, true);
    static_cast<QScrollBar*>(Widget(bar))->setMinimum(minimum);
}

void Form1::SetScrollValue(ControlId bar, int value) {
    const QScopedValueRollback quiet(changingByProgram_, true);
    static_cast<QScrollBar*>(Widget(bar))->setValue(value);
}

void Form1::SetScrollStep(ControlId bar, int smallStep) {
    static_cast<QScrollBar*>(Widget(bar))->setSingleStep(smallStep);
}

void Form1::Focus(ControlId id) {
    Widget(id)->setFocus();
}

void Form1::SetAccessibleName(ControlId id, const std::string& name) {
    Widget(id)->setAccessibleName(QString::fromStdString(name));
}

void Form1::SetLabelFor(ControlId caption, ControlId box) {
    static_cast<QLabel*>(Widget(caption))->setBuddy(Widget(box));
}

char Form1::DecimalSeparator() const {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? point[0].toLatin1() : '.';
}

void Form1::Quit() {
    QCoreApplication::exit(0);
}
