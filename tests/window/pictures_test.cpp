// The pictures as the window shows them: where the circuit stands, what the
// masks and the help sheet hide, and sharp pixels on a high-density screen.

#include <QImage>

#include "form_fixture.h"
#include "picture_view.h"

namespace {

bool RowHasBlackBetween(const QImage& shot, int y, int x0, int x1) {
    for (int x = x0; x <= x1; ++x)
        if ((shot.pixel(x, y) & 0xFFFFFF) == 0) return true;
    return false;
}

bool AllWhite(const QImage& shot, QRect r) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((shot.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                qWarning("not white at (%d,%d): %06x", x, y, shot.pixel(x, y) & 0xFFFFFF);
                return false;
            }
    return true;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> form;
    QImage shot() { return form->grab().toImage(); }

  private slots:
    void init() { form = OpenForm(); }
    void cleanup() { form.reset(); }

    // Window rows of the top wire (12), output (60) and signal line (72), and
    // the window columns where each order draws them (picture x + 130 or 187).
    void circuitKeepsItsHeightInBothOrders_data() {
        QTest::addColumn<bool>("twoPoles");
        QTest::addColumn<QList<int>>("topWire");
        QTest::addColumn<QList<int>>("output");
        QTest::addColumn<QList<int>>("signal");
        QTest::newRow("three poles")
            << false << QList<int>{330, 486} << QList<int>{474, 516} << QList<int>{140, 171};
        QTest::newRow("two poles")
            << true << QList<int>{292, 448} << QList<int>{436, 478} << QList<int>{199, 230};
    }
    void circuitKeepsItsHeightInBothOrders() {
        QFETCH(bool, twoPoles);
        QFETCH(QList<int>, topWire);
        QFETCH(QList<int>, output);
        QFETCH(QList<int>, signal);
        if (twoPoles) Click(*form, "Option1");
        const QImage s = shot();
        for (int x = topWire[0]; x <= topWire[1]; ++x) QCOMPARE(s.pixel(x, 12) & 0xFFFFFF, 0u);
        for (int x = output[0]; x <= output[1]; ++x) QCOMPARE(s.pixel(x, 60) & 0xFFFFFF, 0u);
        for (int x = signal[0]; x <= signal[1]; ++x) QCOMPARE(s.pixel(x, 72) & 0xFFFFFF, 0u);
        QVERIFY(!RowHasBlackBetween(s, 11, topWire[0] + 1, topWire[1] - 1));
    }

    void noCreditTextIsEverSeen() {
        const QRect threePoleMask(267, 130, 124, 19), twoPoleMask(206, 128, 143, 26);
        QVERIFY(AllWhite(shot(), threePoleMask));
        Click(*form, "Option1");
        QVERIFY(AllWhite(shot(), twoPoleMask));
        Click(*form, "Command5");  // the sheet covers it all: see the next test
        Click(*form, "Command6");
        Click(*form, "Option2");
        QVERIFY(AllWhite(shot(), threePoleMask));
    }

    void helpSheetLeavesOnlyTheInputStripOfTheThreePoleCircuit() {
        Click(*form, "Command5");
        const QImage s = shot();
        QVERIFY(RowHasBlackBetween(s, 72, 130, 147));       // input dot and signal line
        QCOMPARE(s.pixel(155, 100) & 0xFFFFFF, 0xFF0000u);  // the sheet's left frame bar
        QCOMPARE(s.pixel(470, 30) & 0xFFFFFF, 0x8080FFu);   // Close on top of the sheet
        // Where the sheet lies the window shows the sheet itself, pixel for
        // pixel, but for the Close button on top of it.
        const QImage sheet = form->Control<lpf::PictureView>("Picture1")->picture();
        const QRect close = form->Control<QWidget>("Command6")->geometry();
        for (int y = 0; y < 212; ++y)
            for (int x = 0; x < 385; ++x)
                if (!close.contains(148 + x, 3 + y) &&
                    (s.pixel(148 + x, 3 + y) & 0xFFFFFF) != (sheet.pixel(x, y) & 0xFFFFFF))
                    QFAIL(qPrintable(QStringLiteral("sheet differs at (%1,%2)").arg(x).arg(y)));
        QVERIFY(AllWhite(s, QRect(148, 3 + 212, 385, 5)));  // box background below the sheet
    }

    // What the window draws as it opens is, pixel for pixel, the committed
    // file that the other windows embed, read by Qt's own reader.
    void picturesAreTheCommittedFiles() {
        for (const char* name : {"Image1", "Image2", "Picture1"}) {
            const QString file =
                QStringLiteral(LPF_ART_DIR "/") +
                QString::fromLatin1(lpf::PictureFile(lpf::Row(*lpf::ControlNamed(name)).picture));
            const QImage committed(file);
            QVERIFY2(!committed.isNull(), qPrintable(file));
            QCOMPARE(form->Control<lpf::PictureView>(name)->picture().convertToFormat(
                         QImage::Format_RGB32),
                     committed.convertToFormat(QImage::Format_RGB32));
        }
    }

    void picturesStaySharpAtTwiceTheDensity() {
        auto* view = form->Control<lpf::PictureView>("Image2");
        const QImage picture = view->picture();
        QImage dense(view->size() * 2, QImage::Format_RGB32);
        dense.setDevicePixelRatio(2);
        dense.fill(Qt::gray);
        view->render(&dense);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                for (int d : {0, 1, 2 * dense.width() + 0, 2 * dense.width() + 1}) {
                    const int dx = 2 * x + d % 2, dy = 2 * y + (d >= 2 ? 1 : 0);
                    if (dense.pixel(dx, dy) != picture.pixel(x, y))
                        QFAIL(
                            qPrintable(QStringLiteral("blurred at picture (%1,%2)").arg(x).arg(y)));
                }
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
