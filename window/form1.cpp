#include "form1.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "accessibility.h"
#include "control_table.h"
#include "look.h"
#include "picture_view.h"
#include "scroll_bar.h"

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
        case Kind::PictureBox: {
            auto* view = new lpf::PictureView(container);
            view->setPicture(lpf::ReadPicture(text));
            return view;
        }
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
    setWindowTitle(QStringLiteral("Low Pass Filter - Butterworth"));
    setFont(lpf::WindowFontOf());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, lpf::Resolve(lpf::Sys(0)));
    setPalette(palette);
    setAutoFillBackground(true);
    setFixedSize(542, 395);
    setGeometry(111, 117, 542, 395);  // manual placement of the client area

    lpf::InstallAccessibility();
    BuildControls();
    ConnectHandlers();
    Form_Load();
    lpf::NameBoxesByCaptions(*this);
}

void Form1::BuildControls() {
    const auto table = lpf::ControlTable();
    std::vector<QWidget*> widgets;
    for (const ControlRow& c : table) {
        QWidget* container = c.container ? Control<QWidget>(c.container) : this;
        QWidget* w = MakeWidget(c, container);
        Dress(w, c);
        widgets.push_back(w);
    }

    // Stacking: raise from the bottom of the table up, the window-surface
    // controls first, so that every other control ends above them.
    for (bool surface : {true, false})
        for (std::size_t i = table.size(); i-- > 0;)
            if (DrawnOnWindowSurface(table[i].kind) == surface) widgets[i]->raise();

    std::vector<std::size_t> walk;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (TakesFocus(table[i].kind)) walk.push_back(i);
    std::sort(walk.begin(), walk.end(),
              [&](std::size_t a, std::size_t b) { return table[a].tab < table[b].tab; });
    for (std::size_t k = 1; k < walk.size(); ++k)
        setTabOrder(widgets[walk[k - 1]], widgets[walk[k]]);
    for (QRadioButton* option : findChildren<QRadioButton*>()) FollowSelectionWithTabStop(option);
    widgets[walk.front()]->setFocus();  // the first Tab stop has the focus when the window opens
}

void Form1::ConnectHandlers() {
    connect(Control<QPushButton>("Command1"), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Control<QPushButton>("Command2"), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Control<QPushButton>("Command4"), &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Control<QPushButton>("Command5"), &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(Control<QPushButton>("Command6"), &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Control<QScrollBar>("HScroll1"), &QScrollBar::valueChanged, this,
            &Form1::HScroll1_Change);
    // An option's Click runs whenever it becomes selected: by mouse, arrow key
    // or program.
    connect(Control<QRadioButton>("Option1"), &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option1_Click();
    });
    connect(Control<QRadioButton>("Option2"), &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option2_Click();
    });
    ConnectIncrementOptions();
}

// Start-up, once before the window is first shown. Everything else keeps the
// value the control table gives it.
void Form1::Form_Load() {
    state_.Rval = 1000;
    state_.Freq = std::int16_t{1000};
    Control<QWidget>("Picture1")->hide();
    Control<QWidget>("Command6")->hide();
    for (const char* twoPole : {"Label4", "Label5", "Label6", "Text6"})
        Control<QWidget>(twoPole)->hide();
    Control<QLabel>("Label3")->setText(QString::fromLatin1(lpf::kThirdOrderCaption));
}

void Form1::Command1_Click() {
    lpf::Command1_Click(state_, *this);
}

// What the Design command reads from and writes to the window.

std::string Form1::FrequencyText() const {
    return Control<QLineEdit>("Text5")->text().toStdString();
}

bool Form1::TwoPolesSelected() const {
    return Control<QRadioButton>("Option1")->isChecked();
}

bool Form1::ThreePolesSelected() const {
    return Control<QRadioButton>("Option2")->isChecked();
}

char Form1::DecimalSeparator() const {
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point[0].unicode() < 0x80 ? point[0].toLatin1() : '.';
}

void Form1::HideRefreshPrompt() {
    Control<QWidget>("Label20")->hide();
}

static const char* ResultBoxName(lpf::ResultBox box) {
    switch (box) {
        case lpf::ResultBox::Text2:
            return "Text2";
        case lpf::ResultBox::Text3:
            return "Text3";
        case lpf::ResultBox::Text4:
            return "Text4";
    }
    return "";
}

void Form1::ShowResultBox(lpf::ResultBox box) {
    Control<QWidget>(ResultBoxName(box))->show();
}

void Form1::SetResultText(lpf::ResultBox box, const std::string& text) {
    Control<QLineEdit>(ResultBoxName(box))->setText(QString::fromStdString(text));
}
