// The resistor selector: scroll bar, increment options, Text1 and Reset.

#include <QApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include "form_fixture.h"

class ResistorTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> form;

    QScrollBar* bar() { return form->Control<QScrollBar>("HScroll1"); }

    // Clicks one of the scroll bar's arrows as a user would.
    void clickArrow(QStyle::SubControl arrow) {
        QStyleOptionSlider option;
        option.initFrom(bar());
        option.orientation = Qt::Horizontal;
        option.minimum = bar()->minimum();
        option.maximum = bar()->maximum();
        option.sliderPosition = option.sliderValue = bar()->value();
        option.singleStep = bar()->singleStep();
        option.pageStep = bar()->pageStep();
        option.subControls = QStyle::SC_All;
        const QRect r = bar()->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar());
        QTest::mouseClick(bar(), Qt::LeftButton, {}, r.center());
    }
    void expectResistor(int value) {
        QCOMPARE(bar()->value(), value);
        QCOMPARE(int{form->State().Rval}, value);
        QCOMPARE(Text(*form, "Text1"), QString::number(value));
    }

  private slots:
    void init() { form = OpenForm(); }
    void cleanup() { form.reset(); }

    void arrowClicksMoveByTheChosenIncrement_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("expected");
        QTest::newRow("100 from 1000") << "Option8" << 1000 << true << 1100;
        QTest::newRow("1000 stops at the maximum") << "Option10" << 9500 << true << 10000;
        QTest::newRow("left arrow at the minimum") << "Option3" << 1000 << false << 1000;
        QTest::newRow("25 to the left") << "Option6" << 2000 << false << 1975;
        QTest::newRow("1 to the right") << "Option3" << 1000 << true << 1001;
        QTest::newRow("5") << "Option4" << 1000 << true << 1005;
        QTest::newRow("10") << "Option5" << 1000 << true << 1010;
        QTest::newRow("50") << "Option7" << 1000 << true << 1050;
        QTest::newRow("500") << "Option9" << 1000 << true << 1500;
    }
    void arrowClicksMoveByTheChosenIncrement() {
        QFETCH(QString, option);
        QFETCH(int, start);
        QFETCH(bool, right);
        QFETCH(int, expected);
        bar()->setValue(start);
        Click(*form, qPrintable(option));
        QCOMPARE(bar()->value(), start);  // choosing a step does not move the bar
        clickArrow(right ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
        expectResistor(expected);
    }

    void aClickAnywhereInAnOptionSelectsIt() {
        // Right of the caption "5", inside the option's 41-pixel rectangle.
        QTest::mouseClick(form->Control<QWidget>("Option4"), Qt::LeftButton, {}, QPoint(38, 8));
        QVERIFY(form->Control<QRadioButton>("Option4")->isChecked());
        QCOMPARE(bar()->singleStep(), 5);
        Click(*form, "Command4");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Option3"));
    }

    void troughAndKeysMoveTheBar() {
        bar()->setFocus();
        QTest::keyClick(bar(), Qt::Key_Right);
        expectResistor(1001);
        QTest::keyClick(bar(), Qt::Key_Right);
        QTest::keyClick(bar(), Qt::Key_Left);
        QTest::keyClick(bar(), Qt::Key_Left);
        QTest::keyClick(bar(), Qt::Key_Left);
        expectResistor(1000);
        QTest::keyClick(bar(), Qt::Key_PageDown);
        expectResistor(1001);  // the large step is 1 too
        QTest::keyClick(bar(), Qt::Key_End);
        expectResistor(10000);
    }

    void textFollowsOnlyWhenADragEnds() {
        bar()->setSliderDown(true);
        bar()->setSliderPosition(5000);
        expectResistor(1000);  // mid-drag: nothing has settled yet
        bar()->setSliderDown(false);
        expectResistor(5000);
    }

    void typingInTheResistorBoxChangesNothing() {
        Type(*form, "Text1", "2200");
        QCOMPARE(bar()->value(), 1000);
        QCOMPARE(int{form->State().Rval}, 1000);
    }

    void resetReturnsToTheStart() {
        Click(*form, "Command1");
        Click(*form, "Option9");
        bar()->setValue(4000);
        expectResistor(4000);
        Type(*form, "Text5", "50");
        auto before = VisibleState(*form);
        Click(*form, "Command4");
        expectResistor(1000);
        QVERIFY(form->Control<QRadioButton>("Option3")->isChecked());
        QVERIFY(!form->Control<QRadioButton>("Option9")->isChecked());
        QCOMPARE(bar()->singleStep(), 1);
        QCOMPARE(bar()->minimum(), 1000);
        // Frequency, order and results stay.
        auto after = VisibleState(*form);
        for (const char* kept : {"Text5", "Text2", "Text3", "Text4", "Option2", "Label20"})
            QCOMPARE(after.value(kept), before.value(kept));
    }
};

QTEST_MAIN(ResistorTest)
#include "resistor_test.moc"
