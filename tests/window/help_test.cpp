// The help sheet, its Close button, EXIT, and the clicks that do nothing.

#include <QApplication>
#include <QTimer>

#include "control_table.h"
#include "form_fixture.h"

class HelpTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> form;

    static QMap<QString, QString> WithoutFocus(QMap<QString, QString> state) {
        state.remove(QStringLiteral("focus"));
        return state;
    }

  private slots:
    void init() { form = OpenForm(); }
    void cleanup() { form.reset(); }

    void helpThenCloseReturnsTheWindowAsItWas() {
        Click(*form, "Command1");
        const auto before = WithoutFocus(VisibleState(*form));
        Click(*form, "Command5");
        QVERIFY(Shown(*form, "Picture1"));
        QVERIFY(Shown(*form, "Command6"));
        const auto open = VisibleState(*form);
        Click(*form, "Command5");  // a second Help changes nothing
        QCOMPARE(WithoutFocus(VisibleState(*form)), WithoutFocus(open));
        Click(*form, "Command6");
        QCOMPARE(WithoutFocus(VisibleState(*form)), before);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
    }

    void sheetCoversTheSchematicButNotTheCommands() {
        Click(*form, "Command5");
        // Window pixels and the control a click there reaches.
        struct Probe {
            QPoint at;
            const char* top;
        };
        const Probe probes[] = {
            {{470, 35}, "Command6"},  {{300, 60}, "Picture1"}, {{140, 60}, "Image2"},
            {{60, 75}, "Command1"},   {{60, 110}, "Command5"}, {{60, 145}, "Command2"},
            {{50, 350}, "Text5"},     {{400, 290}, "Text2"},   {{100, 212}, "HScroll1"},
            {{220, 225}, "Command4"}, {{420, 230}, "Text1"},   {{50, 270}, "Option3"},
        };
        for (const Probe& p : probes) {
            QWidget* top = form->childAt(p.at);
            while (top && top->objectName().isEmpty()) top = top->parentWidget();
            QCOMPARE(top->objectName(), QString::fromLatin1(p.top));
        }
    }

    void clicksOnLabelsPicturesAndTheSheetDoNothing() {
        Click(*form, "Command1");
        Click(*form, "Command5");
        const auto before = VisibleState(*form);
        for (const lpf::ControlRow& c : lpf::ControlTable()) {
            if (c.kind != lpf::Kind::Label && c.kind != lpf::Kind::Image &&
                c.kind != lpf::Kind::PictureBox && c.kind != lpf::Kind::MaskBox)
                continue;
            QWidget* w = form->Control<QWidget>(c.name);
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseDClick(w, Qt::LeftButton, {}, QPoint(2, 2));
        }
        QCOMPARE(VisibleState(*form), before);
    }

    void exitEndsTheProgramEvenWithTheHelpShown() {
        Click(*form, "Command5");
        QTimer::singleShot(0, [this] { Click(*form, "Command2"); });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // EXIT did nothing
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
