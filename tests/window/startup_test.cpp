// The window as it first appears, and the properties that hold throughout.

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>

#include "control_table.h"
#include "form_fixture.h"
#include "words.h"

class StartupTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> form;

  private slots:
    void init() { form = OpenForm(); }
    void cleanup() { form.reset(); }

    void windowFrame() {
        QVERIFY(form->windowTitle().startsWith(QLatin1String("Low Pass Filter - Butterworth")));
        QCOMPARE(form->size(), QSize(542, 395));
        QCOMPARE(form->minimumSize(), QSize(542, 395));
        QCOMPARE(form->maximumSize(), QSize(542, 395));
        QCOMPARE(form->geometry().topLeft(), QPoint(111, 117));
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(form->windowIcon().cacheKey() == QApplication::windowIcon().cacheKey());
    }

    void fortyEightControlsAsDesigned() {
        QCOMPARE(lpf::ControlTable().size(), std::size_t{48});
        // A few rectangles checked in pixels, worked out by hand from twips.
        struct Rect {
            const char* name;
            QRect px;
        };
        const Rect rects[] = {
            {"Command6", {440, 24, 73, 25}},  {"Picture1", {148, 3, 385, 217}},
            {"Text7", {267, 130, 124, 19}},   {"Text6", {206, 128, 143, 26}},
            {"Image1", {187, 5, 306, 157}},   {"Image2", {130, 5, 402, 147}},
            {"HScroll1", {24, 208, 161, 17}}, {"Option2", {7, 32, 81, 17}},
            {"Option10", {168, 48, 49, 17}},  {"Label9", {7, 385, 537, 25}},
            {"Label2", {124, 4, 409, 165}},   {"Label11", {264, 320, 26, 16}},
        };
        for (const Rect& r : rects) QCOMPARE(form->Control<QWidget>(r.name)->geometry(), r.px);
        QCOMPARE(form->Control<QWidget>("Option2")->parentWidget()->objectName(),
                 QStringLiteral("Frame1"));
        QCOMPARE(form->Control<QWidget>("Option9")->parentWidget()->objectName(),
                 QStringLiteral("Frame2"));
    }

    void startState() {
        const auto set = [&](const char* n) { return form->Control<QRadioButton>(n)->isChecked(); };
        QVERIFY(set("Option2") && !set("Option1"));
        QVERIFY(set("Option3"));
        for (const char* n :
             {"Option4", "Option5", "Option6", "Option7", "Option8", "Option9", "Option10"})
            QVERIFY2(!set(n), n);
        auto* bar = form->Control<QScrollBar>("HScroll1");
        QCOMPARE(bar->minimum(), 1000);
        QCOMPARE(bar->maximum(), 10000);
        QCOMPARE(bar->value(), 1000);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 1);
        QCOMPARE(form->State().Rval, 1000);
        QVERIFY(std::holds_alternative<std::int16_t>(form->State().Freq));
        QCOMPARE(Text(*form, "Text1"), QStringLiteral("1000"));
        QCOMPARE(Text(*form, "Text5"), QStringLiteral("1000"));
        for (const char* n : {"Text2", "Text3", "Text4"}) QCOMPARE(Text(*form, n), QString());
        QCOMPARE(Text(*form, "Text6"), QString(6, QLatin1Char(' ')));
        QCOMPARE(Text(*form, "Text7"), QString(8, QLatin1Char(' ')));
        for (const char* n :
             {"Image2", "Text7", "Label14", "Label13", "Label1", "Label10", "Label11", "Label12",
              "Label18", "Label20", "Text2", "Text3", "Text4"})
            QVERIFY2(Shown(*form, n), n);
        for (const char* n :
             {"Image1", "Text6", "Label4", "Label5", "Label6", "Picture1", "Command6"})
            QVERIFY2(!Shown(*form, n), n);
        QCOMPARE(Text(*form, "Label20"), QStringLiteral("Click \"Design\" to refresh"));
        QCOMPARE(
            Text(*form, "Label3"),
            QStringLiteral("Normalized 3rd order LPF C3 = 3.546, C4 = 1.392, and C5 = 0.2024."));
        QCOMPARE(form->Control<QLabel>("Label3")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 128));
        QVERIFY(!form->Control<QWidget>("Picture1")->isEnabled());
    }

    void focusStartsOnThreePolesAndTabWalksTheStops() {
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option2"));
        // Round the walk the form gives (its own tests hold it by name), back
        // to the start.
        const lpf::Form& behaviour = form->Behaviour();
        lpf::ControlId at = behaviour.StartFocus();
        do {
            at = behaviour.NextTabStop(at, false);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(lpf::Row(at).name));
        } while (at != behaviour.StartFocus());
    }

    void arrowKeysMoveTheSelectionWithinAGroup() {
        QTest::keyClick(form->Control<QWidget>("Option2"), Qt::Key_Up);
        QVERIFY(form->Control<QRadioButton>("Option1")->isChecked());
        QVERIFY(!form->Control<QRadioButton>("Option2")->isChecked());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1"));
        QVERIFY(Shown(*form, "Image1"));  // the order handler ran
        QTest::keyClick(form->Control<QWidget>("Option1"), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option1"));
    }

    void stackingDecidesWhatCoversWhat() {
        // Point (window pixels) and the control a user sees there.
        struct Probe {
            QPoint at;
            const char* top;
        };
        const Probe probes[] = {
            {{30, 195}, "Label14"},  // "Select R3" over "Select R1" in one rectangle
            {{300, 135}, "Text7"},   // the mask over the three-pole picture
            {{200, 40}, "Image2"},   // the picture over the panel
            {{128, 100}, "Label2"},  // panel left of the picture
            {{540, 100}, "Label7"},  // right edge bar
        };
        for (const Probe& p : probes)
            QCOMPARE(form->childAt(p.at)->objectName(), QString::fromLatin1(p.top));
        form->Behaviour().Command5_Click();
        QCOMPARE(form->childAt(470, 35)->objectName(), QStringLiteral("Command6"));
        QCOMPARE(form->childAt(300, 135)->objectName(), QStringLiteral("Picture1"));
        QCOMPARE(form->childAt(200, 215)->objectName(),
                 QStringLiteral("Picture1"));  // over the scroll bar's end
    }

    void everyCaptionFitsItsRectangle() {
        for (const lpf::ControlRow& c : lpf::ControlTable()) {
            QWidget* w = form->Control<QWidget>(c.name);
            QString text;
            int room = w->width();
            if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
            if (auto* button = qobject_cast<QPushButton*>(w)) text = button->text(), room -= 4;
            if (auto* option = qobject_cast<QRadioButton*>(w)) {
                text = option->text();
                room -= option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                        option->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
            }
            if (auto* frame = qobject_cast<QGroupBox*>(w)) text = frame->title(), room -= 16;
            if (text.isEmpty()) continue;
            const QFontMetrics metrics(w->font());
            QVERIFY2(metrics.horizontalAdvance(text) <= room,
                     qPrintable(QStringLiteral("%1 \"%2\": %3 px in %4")
                                    .arg(c.name, text)
                                    .arg(metrics.horizontalAdvance(text))
                                    .arg(room)));
            QVERIFY2(metrics.height() <= w->height(), c.name);
        }
        // The second-order caption, set later, fits the same label.
        QLabel* caption = form->Control<QLabel>("Label3");
        QVERIFY(QFontMetrics(caption->font())
                    .horizontalAdvance(QString::fromLatin1(lpf::kSecondOrderCaption)) <=
                caption->width());
    }

    void fontsAreTheMappedFaces() {
        struct Face {
            const char* name;
            const char* family;
            int pixels;
            bool bold;
        };
        const Face faces[] = {
            {"Command1", "Liberation Sans", 16, true}, {"Command6", "Liberation Sans", 13, true},
            {"Label20", "DejaVu Sans", 13, true},      {"Label19", "Liberation Sans", 12, true},
            {"Option1", "Liberation Sans", 11, false}, {"Label1", "Liberation Sans", 12, false},
            {"Frame1", "Liberation Sans", 11, true},   {"Text2", "Liberation Sans", 12, true},
        };
        for (const Face& f : faces) {
            const QFontInfo info(form->Control<QWidget>(f.name)->font());
            QCOMPARE(info.family(), QString::fromLatin1(f.family));
            QCOMPARE(info.pixelSize(), f.pixels);
            QCOMPARE(info.bold(), f.bold);
        }
    }

    void coloursAsDesigned() {
        struct Pixel {
            QPoint at;
            QRgb rgb;
            const char* what;
        };
        const Pixel pixels[] = {
            {{20, 75}, 0x00C000, "Design face"},
            {{20, 110}, 0x8080FF, "Help face"},
            {{20, 144}, 0xFF0000, "EXIT face"},
            {{3, 200}, 0x000080, "left bar"},
            {{540, 200}, 0x000080, "right bar"},
            {{300, 390}, 0x000080, "bottom bar"},
            {{127, 100}, 0xFFFFFF, "schematic panel"},
            {{10, 10}, 0xEFEFEF, "the window's grey, the light scheme's scroll-bar colour"},
        };
        for (const Pixel& p : pixels) QVERIFY2(PixelAt(*form, p.at.x(), p.at.y()) == p.rgb, p.what);
        const QColor grey = form->palette().color(QPalette::Window);
        QCOMPARE(form->Control<QLabel>("Label15")->palette().color(QPalette::Window), grey);
        QCOMPARE(form->Control<QWidget>("Frame1")->palette().color(QPalette::Window), grey);
        // The masks are the white ground of the pictures they lie on.
        QCOMPARE(form->Control<QWidget>("Text7")->palette().color(QPalette::Window), Qt::white);
        QCOMPARE(form->Control<QLabel>("Label14")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 128));
        QCOMPARE(form->Control<QLabel>("Label13")->palette().color(QPalette::WindowText),
                 QColor(192, 0, 0));
        QCOMPARE(form->Control<QLabel>("Label20")->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
    }

    void everyPresentedControlHasAnAccessibleName() {
        const auto announced = [&](const char* control) {
            return QAccessible::queryAccessibleInterface(form->Control<QWidget>(control))
                ->text(QAccessible::Name);
        };
        for (const lpf::ControlRow& c : lpf::ControlTable())
            if (c.presence != lpf::Presence::Decoration)
                QVERIFY2(!announced(c.name).trimmed().isEmpty(), c.name);
        struct Name {
            const char* control;
            const char* name;
        };
        const Name names[] = {
            {"Text5", "Enter frequency (Hz)"},
            {"Text1", "R3 = R4 = R5 (Ohm)"},
            {"Text2", "C3 (uF)"},
            {"Text4", "C5 (uF)"},
            {"Option2", "Three Poles"},
            {"Command1", "Design"},
        };
        for (const Name& n : names) QCOMPARE(announced(n.control), QString::fromLatin1(n.name));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
