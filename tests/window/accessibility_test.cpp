// What assistive technology is told about the window, read through Qt's
// accessibility interfaces as the screen-reader bridge reads them.

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "form_fixture.h"

namespace {

QAccessibleInterface* Interface(Form1& form, const char* name) {
    return QAccessible::queryAccessibleInterface(form.Control<QWidget>(name));
}

// The controls that label the given one, by object name.
QStringList Labels(Form1& form, const char* name) {
    QStringList labels;
    for (const auto& [other, relation] : Interface(form, name)->relations(QAccessible::Label))
        labels << other->object()->objectName();
    return labels;
}

bool Presented(Form1& form, const char* name) {
    return !Interface(form, name)->state().invisible;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> form;

  private slots:
    void init() { form = OpenForm(); }
    void cleanup() { form.reset(); }

    void boxesAreNamedByTheCaptionOnShow_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("threePoles");
        QTest::addColumn<QString>("twoPoles");
        QTest::addColumn<QString>("label");  // the caption related as its label, if any
        const int text = QAccessible::EditableText;
        QTest::newRow("resistor") << "Text1" << text << "R3 = R4 = R5 (Ohm)"
                                  << "R1 = R2 (Ohm)"
                                  << "";
        QTest::newRow("first result") << "Text2" << text << "C3 (uF)"
                                      << "C1 (uF)"
                                      << "";
        QTest::newRow("second result") << "Text3" << text << "C4 (uF)"
                                       << "C2 (uF)"
                                       << "";
        QTest::newRow("third result") << "Text4" << text << "C5 (uF)"
                                      << "C5 (uF)"
                                      << "Label12";
        QTest::newRow("scroll bar") << "HScroll1" << int(QAccessible::ScrollBar) << "Select R3"
                                    << "Select R1"
                                    << "";
        QTest::newRow("frequency") << "Text5" << text << "Enter frequency (Hz)"
                                   << "Enter frequency (Hz)"
                                   << "Label19";
    }

    void boxesAreNamedByTheCaptionOnShow() {
        QFETCH(QString, box);
        QFETCH(int, role);
        QFETCH(QString, label);
        const QByteArray name = box.toLatin1();
        const auto expect = [&](const QString& wanted, const char* when) {
            QAccessibleInterface* iface = Interface(*form, name);
            QCOMPARE(iface->role(), QAccessible::Role(role));
            QVERIFY2(iface->text(QAccessible::Name) == wanted,
                     qPrintable(QStringLiteral("%1: \"%2\"")
                                    .arg(QLatin1String(when), iface->text(QAccessible::Name))));
            // Only a caption that never changes is related as the label; a
            // listener hears its name in place of the box's.
            QCOMPARE(Labels(*form, name), label.isEmpty() ? QStringList{} : QStringList{label});
            if (!label.isEmpty())
                QCOMPARE(Interface(*form, label.toLatin1())->text(QAccessible::Name), wanted);
        };
        QFETCH(QString, threePoles);
        QFETCH(QString, twoPoles);
        expect(threePoles, "at start-up");
        Click(*form, "Option1");
        expect(twoPoles, "with two poles");
        Click(*form, "Option2");
        expect(threePoles, "back to three poles");
    }

    void schematicsAreImagesOfTheOrderOnShow() {
        struct Schematic {
            const char* control;
            const char* name;
            QStringList parts;
            QStringList otherParts;
        };
        const Schematic two{"Image1",
                            "Two-pole filter schematic",
                            {"Vin", "R1", "R2", "C1", "C2", "Vout"},
                            {"R3", "R4", "R5", "C3", "C4", "C5"}};
        const Schematic three{"Image2",
                              "Three-pole filter schematic",
                              {"Vin", "R3", "R4", "R5", "C3", "C4", "C5", "Vout"},
                              {"R1", "R2", "C1", "C2"}};
        for (const Schematic& s : {two, three}) {
            QAccessibleInterface* iface = Interface(*form, s.control);
            QCOMPARE(iface->role(), QAccessible::Graphic);
            QCOMPARE(iface->text(QAccessible::Name), QString::fromLatin1(s.name));
            const QString words = iface->text(QAccessible::Description);
            for (const QString& part : s.parts)
                QVERIFY2(words.contains(QRegularExpression(QStringLiteral("\\b%1\\b").arg(part))),
                         qPrintable(part));
            for (const QString& part : s.otherParts)
                QVERIFY2(!words.contains(part), qPrintable(part));
            QVERIFY(words.contains(QLatin1String("unity-gain follower")));
            QVERIFY(words.contains(QLatin1String("ground")));
        }
        QVERIFY(Presented(*form, "Image2"));
        QVERIFY(!Presented(*form, "Image1"));
        Click(*form, "Option1");
        QVERIFY(Presented(*form, "Image1"));
        QVERIFY(!Presented(*form, "Image2"));
    }

    void helpSheetReadsAsTextWhileShown() {
        QVERIFY(!Presented(*form, "Picture1"));
        Click(*form, "Command5");
        QAccessibleInterface* sheet = Interface(*form, "Picture1");
        QVERIFY(Presented(*form, "Picture1"));
        QVERIFY(!sheet->state().disabled);
        QCOMPARE(sheet->text(QAccessible::Name), QStringLiteral("Help"));
        QAccessibleTextInterface* text = sheet->textInterface();
        QVERIFY(text);
        const QStringList lines = {
            "Low Pass Filter Design",
            "Instructions",
            "1. Select the number of filter poles (order) you are designing.",
            "2. Enter the cutoff Frequency of the Low Pass Filter.",
            "3. Select the Resistor values available to you.",
            "4. Click on \"Design\".",
            "Capacitors will be designed accordingly.",
            "Note: Use the scroll bar to select resistor value. Use \"Increment\" for fast "
            "resistor value navigation.",
        };
        QCOMPARE(text->text(0, text->characterCount()).split(QLatin1Char('\n')), lines);
        QVERIFY(Presented(*form, "Command6"));
        QVERIFY(Interface(*form, "Command6")->state().focusable);
        Click(*form, "Command6");
        QVERIFY(!Presented(*form, "Picture1"));
    }

    // The refresh prompt speaks up when it reappears after a change of order.
    void refreshPromptIsAnnounced() {
        QAccessibleInterface* prompt = Interface(*form, "Label20");
        QCOMPARE(prompt->role(), QAccessible::Notification);
        QCOMPARE(prompt->text(QAccessible::Name), QStringLiteral("Click \"Design\" to refresh"));
        Click(*form, "Command1");
        QVERIFY(!Presented(*form, "Label20"));
        Click(*form, "Option1");
        QVERIFY(Presented(*form, "Label20"));
    }

    void decorationIsNotPresented() {
        for (const char* name : {"Label2", "Label7", "Label8", "Label9", "Text6", "Text7"}) {
            QAccessibleInterface* iface = Interface(*form, name);
            QVERIFY2(iface->text(QAccessible::Name).isEmpty(), name);
            QVERIFY2(iface->role() == QAccessible::NoRole, name);
            QVERIFY2(iface->state().invisible, name);
            QVERIFY2(!iface->textInterface(), name);
        }
        // The text fields a screen reader meets, whatever is on show.
        QStringList fields;
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
        for (int i = 0; i < window->childCount(); ++i)
            if (window->child(i)->role() == QAccessible::EditableText)
                fields << window->child(i)->object()->objectName();
        fields.sort();
        QCOMPARE(fields, (QStringList{"Text1", "Text2", "Text3", "Text4", "Text5"}));
    }

    // Every value is one run of text from its first character to its last;
    // a screen reader that reads the box run by run must get all of it.
    void boxesReadTheirWholeValue() {
        Click(*form, "Command1");
        for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"}) {
            QAccessibleTextInterface* text = Interface(*form, name)->textInterface();
            const QString value = form->Control<QLineEdit>(name)->text();
            QCOMPARE(text->characterCount(), int(value.size()));
            QCOMPARE(text->text(0, text->characterCount()), value);
            for (int offset = 0; offset < value.size(); ++offset) {
                int start = -1, end = -1;
                text->attributes(offset, &start, &end);
                QVERIFY2(start == 0 && end == value.size(), name);
            }
        }
        // Tab selects the whole value, and the selection covers it all.
        Click(*form, "Text3");
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QAccessibleTextInterface* text = Interface(*form, "Text2")->textInterface();
        int start = -1, end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(text->text(start, end), form->Control<QLineEdit>("Text2")->text());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
