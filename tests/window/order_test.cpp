// "Two Poles" and "Three Poles": what each switch shows, hides and blanks.

#include <QLabel>
#include <QRadioButton>

#include "control_table.h"
#include "form_fixture.h"

namespace {

// Fails the test the moment both schematics are on show together.
class NeverBothSchematics : public QObject {
  public:
    explicit NeverBothSchematics(Form1& form) : form_(form) {
        form.Control<QWidget>("Image1")->installEventFilter(this);
        form.Control<QWidget>("Image2")->installEventFilter(this);
    }
    bool clash = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            clash = clash || (form_.Control<QWidget>("Image1")->isVisible() &&
                              form_.Control<QWidget>("Image2")->isVisible());
        return false;
    }

  private:
    Form1& form_;
};

}  // namespace

class OrderTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Form1> form;

    // Every control on show exactly when the form says it is (which the
    // form's tests check against each order's circuit).
    void expectShownAsTheFormSays() {
        for (const lpf::ControlRow& row : lpf::ControlTable())
            QVERIFY2(Shown(*form, row.name) == form->Shown(row.id), row.name);
    }
    QColor captionColour() {
        return form->Control<QLabel>("Label3")->palette().color(QPalette::WindowText);
    }

  private slots:
    void init() { form = OpenForm(); }
    void cleanup() { form.reset(); }

    void threeToTwoPoles() {
        Click(*form, "Command1");
        NeverBothSchematics watch(*form);
        Click(*form, "Option1");
        QVERIFY(!watch.clash);
        expectShownAsTheFormSays();
        QVERIFY(Shown(*form, "Image1"));
        QCOMPARE(Text(*form, "Text2"), QStringLiteral(" "));
        QCOMPARE(Text(*form, "Text3"), QStringLiteral(" "));
        QCOMPARE(Text(*form, "Text4"),
                 QStringLiteral("3.22129604775935E-02"));  // hidden, not blanked
        QCOMPARE(captionColour(), QColor(192, 0, 0));
        QCOMPARE(Text(*form, "Label3"),
                 QStringLiteral("Normalized 2nd order LPF C1 = 1.414 and C2 = 0.7071"));
        QCOMPARE(form->childAt(40, 195)->objectName(), QStringLiteral("Label13"));
    }

    void backToThreePoles() {
        Click(*form, "Option1");
        Click(*form, "Command1");
        NeverBothSchematics watch(*form);
        Click(*form, "Option2");
        QVERIFY(!watch.clash);
        expectShownAsTheFormSays();
        QVERIFY(Shown(*form, "Image2"));
        for (const char* box : {"Text2", "Text3", "Text4"})
            QCOMPARE(Text(*form, box), QStringLiteral(" "));
        QCOMPARE(captionColour(), QColor(0, 0, 128));
        QCOMPARE(
            Text(*form, "Label3"),
            QStringLiteral("Normalized 3rd order LPF C3 = 3.546, C4 = 1.392, and C5 = 0.2024."));
    }

    void resultsStayBlankUntilDesign() {
        Click(*form, "Option1");
        Type(*form, "Text5", "50");
        QCOMPARE(Text(*form, "Text2"), QStringLiteral(" "));
        Click(*form, "Command1");
        QCOMPARE(Text(*form, "Text2"), QStringLiteral("4.5009017900511"));
        QCOMPARE(Text(*form, "Text3"), QStringLiteral("2.25076920491169"));
        QVERIFY(!Shown(*form, "Label20"));
        QVERIFY(!Shown(*form, "Text4"));
    }

    void selectionByProgramRunsTheHandler() {
        form->Control<QRadioButton>("Option1")->setChecked(true);
        QVERIFY(Shown(*form, "Image1"));
        form->Control<QRadioButton>("Option2")->setChecked(true);
        QVERIFY(Shown(*form, "Image2"));
        QVERIFY(!Shown(*form, "Image1"));
    }

    void clickingTheSelectedOptionChangesNothing() {
        Click(*form, "Command1");
        auto before = VisibleState(*form);
        Click(*form, "Option2");
        auto after = VisibleState(*form);
        before.remove(QStringLiteral("focus"));  // a click focuses what it clicks
        after.remove(QStringLiteral("focus"));
        QCOMPARE(after, before);
    }
};

QTEST_MAIN(OrderTest)
#include "order_test.moc"
