// "Design" on the real window: the texts it shows, every digit, and what it
// leaves alone. Expected texts were worked out in Python with the same order
// of operations: coefficient / ((Rval * 2) * 3.141592654 * Freq) * 1000000,
// rounded to 15 significant digits.

#include <QLocale>
#include <QRadioButton>
#include <QScrollBar>

#include "form_fixture.h"

class DesignTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> form;

    void expectResults(const QStringList& texts) {
        const char* boxes[] = {"Text2", "Text3", "Text4"};
        for (int i = 0; i < texts.size(); ++i) {
            QVERIFY2(Shown(*form, boxes[i]), boxes[i]);
            QCOMPARE(Text(*form, boxes[i]), texts[i]);
        }
    }

  private slots:
    void init() { form = OpenForm(); }
    void cleanup() {
        form.reset();
        QLocale::setDefault(QLocale::c());
    }

    void designAtStartUp() {
        Click(*form, "Command1");
        expectResults({"0.56436342813017", "0.221543680754991", "3.22129604775935E-02"});
        QVERIFY(!Shown(*form, "Label20"));
        QCOMPARE(std::get<double>(form->State().Freq), 1000.0);
        QCOMPARE(form->State().PiVal, 3.141592654);
    }

    void designFollowsFrequencyResistorAndOrder_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<int>("resistor");
        QTest::addColumn<bool>("twoPoles");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("2000 Hz, 1100 ohm, three poles")
            << "2000" << 1100 << false
            << QStringList{"0.256528830968259", "0.10070167307045", "1.46422547625425E-02"};
        QTest::newRow("2000 Hz, 1100 ohm, two poles")
            << "2000" << 1100 << true << QStringList{"0.102293222501161", "5.11538455661749E-02"};
        QTest::newRow("1000 Hz, 1000 ohm, two poles")
            << "1000" << 1000 << true << QStringList{"0.225045089502555", "0.112538460245585"};
        QTest::newRow("1 000 with a blank reads 1000")
            << "1 000" << 1000 << true << QStringList{"0.225045089502555", "0.112538460245585"};
        QTest::newRow("2.5kHz reads 2.5")
            << "2.5kHz" << 1000 << true << QStringList{"90.0180358010221", "45.0153840982339"};
    }
    void designFollowsFrequencyResistorAndOrder() {
        QFETCH(QString, frequency);
        QFETCH(int, resistor);
        QFETCH(bool, twoPoles);
        QFETCH(QStringList, texts);
        Type(*form, "Text5", frequency);
        form->Control<QScrollBar>("HScroll1")->setValue(resistor);
        if (twoPoles) Click(*form, "Option1");
        Click(*form, "Command1");
        expectResults(texts);
        QCOMPARE(Shown(*form, "Text4"), !twoPoles);
    }

    void commaLocaleWritesCommas() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Type(*form, "Text5", "1000,5");  // the comma ends the number: 1000
        Click(*form, "Command1");
        expectResults({"0,56436342813017", "0,221543680754991", "3,22129604775935E-02"});
    }

    void editsWithoutDesignLeaveTheResults() {
        Click(*form, "Command1");
        const auto before = VisibleState(*form);
        Type(*form, "Text5", "50");
        form->Control<QScrollBar>("HScroll1")->setValue(4700);
        for (const char* box : {"Text2", "Text3", "Text4"})
            QCOMPARE(Text(*form, box), before.value(box).section('[', 1).chopped(1));
        QVERIFY(!Shown(*form, "Label20"));
    }

    void resistorBoxIsNeverRead() {
        Type(*form, "Text1", "2200");
        Click(*form, "Command1");
        expectResults({"0.56436342813017", "0.221543680754991", "3.22129604775935E-02"});
    }

    void frequencyThatReadsZeroLeavesTheWindowUsable_data() {
        QTest::addColumn<QString>("frequency");
        QTest::newRow("zero") << "0";
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "abc";
        QTest::newRow("negative zero") << "-0";
        QTest::newRow("beyond the double range") << "1e400";
        QTest::newRow("result beyond the double range") << "1e-310";
    }
    void frequencyThatReadsZeroLeavesTheWindowUsable() {
        QFETCH(QString, frequency);
        Click(*form, "Command1");
        Type(*form, "Text5", frequency);
        Click(*form, "Command1");
        expectResults({"", "", ""});
        QVERIFY(!Shown(*form, "Label20"));
        QCOMPARE(form->State().C3 * 1e6, 0.5643634281301703);  // kept from the press before
        Type(*form, "Text5", "1000");
        Click(*form, "Command1");
        expectResults({"0.56436342813017", "0.221543680754991", "3.22129604775935E-02"});
    }

    void negativeFrequencyGivesNegativeValues() {
        Type(*form, "Text5", "-1000");
        Click(*form, "Command1");
        expectResults({"-0.56436342813017", "-0.221543680754991", "-3.22129604775935E-02"});
    }
};

QTEST_MAIN(DesignTest)
#include "design_test.moc"
