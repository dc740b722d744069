// A program linking lpf_pictures (the Qt window's pictures) finds the three pictures among its resources,
// identical to the committed files, without reading any file itself.

#include <QFile>
#include <QtTest>

#include "bmp_file.h"

class ResourcesTest : public QObject {
    Q_OBJECT
  private slots:
    void picturesAreEmbedded_data() {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("file");
        QTest::newRow("two poles") << ":/art/two_pole.bmp"
                                   << "two_pole.bmp";
        QTest::newRow("three poles") << ":/art/three_pole.bmp"
                                     << "three_pole.bmp";
        QTest::newRow("help sheet") << ":/art/help_sheet.bmp"
                                    << "help_sheet.bmp";
    }

    void picturesAreEmbedded() {
        QFETCH(QString, resource);
        QFETCH(QString, file);
        QFile embedded(resource);
        QVERIFY2(embedded.exists(), qPrintable(resource));
        QVERIFY(embedded.open(QIODevice::ReadOnly));
        const QByteArray bytes = embedded.readAll();
        const auto committed =
            lpf::art::test::ReadBytes(std::string(LPF_ART_DIR) + "/" + file.toStdString());
        QCOMPARE(static_cast<std::size_t>(bytes.size()), committed.size());
        QVERIFY(std::equal(committed.begin(), committed.end(),
                           reinterpret_cast<const unsigned char*>(bytes.constData())));
    }
};

QTEST_GUILESS_MAIN(ResourcesTest)
#include "resources_test.moc"
