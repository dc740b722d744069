#include "random_session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <ostream>
#include <string>

#include "control_table.h"
#include "form_fixture.h"
#include "typed_texts.h"
#include "window_model.h"

namespace lpf_random {
namespace {

constexpr std::size_t kHistory = 20;
const char* const kButtons[] = {"Command1", "Command2", "Command4", "Command5", "Command6"};
const char* const kTextBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5"};

std::string Name(const QObject* o) {
    if (!o) return "nothing";
    return o->objectName().isEmpty() ? o->metaObject()->className() : o->objectName().toStdString();
}

std::string KeyName(Qt::Key key) {
    char* name = QTest::toString(key);
    std::string s = name ? name : "?";
    delete[] name;
    return s;
}

std::string At(QPoint p) {
    return "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")";
}

// What an action should do beyond what the model observes by itself.
struct Prediction {
    std::optional<int> settled;             // the scroll bar's position once it settles
    QWidget* selects = nullptr;             // the option group the user may change
    std::optional<QString> focus;           // where Tab or Shift+Tab lands
    QRadioButton* clickedOption = nullptr;  // a click anywhere on it selects it
    bool barMovedByUser = false;            // settles wherever the wheel left it
};

// The controls that take the focus, in the order of their tab positions. A
// stop is one that is shown and, for an option button, selected.
const char* const kTabWalk[] = {"Option2", "Command2", "Option1", "Command1", "Text1",    "Text2",
                                "Text3",   "HScroll1", "Option3", "Option4",  "Option5",  "Option6",
                                "Option7", "Option8",  "Option9", "Option10", "Command4", "Text4",
                                "Text5",   "Command5", "Command6"};

class Session {
  public:
    Session(const RunOptions& options, std::ostream& out)
        : options_(options), out_(out), rng_(options.seed), form_(OpenForm()) {
        bar_ = form_->Control<QScrollBar>("HScroll1");
        for (const char* name : kButtons) {
            auto* button = form_->Control<QAbstractButton>(name);
            QObject::connect(button, &QAbstractButton::clicked, button,
                             [this, name] { ++clicks_[name]; });
        }
    }

    bool Run() {
        if (!CheckNow(-1, "start-up")) return false;
        for (long i = 0; i < options_.actions; ++i) {
            model_.focusOnText1 = false;
            clicks_.clear();
            problems_.clear();
            const QString orderBefore = Checked(form_->Control<QWidget>("Frame1"));
            const QString incrementBefore = Checked(form_->Control<QWidget>("Frame2"));
            Prediction prediction;
            std::string action = RandomAction(prediction);
            QCoreApplication::processEvents();
            action += Observe(prediction, orderBefore, incrementBefore);
            Remember(i, action);
            if (!CheckNow(i, action)) return false;
        }
        return true;
    }

  private:
    // ---- Picking a place on the window -------------------------------------

    QRect RectOnForm(const QWidget* w) const {
        return QRect(w->mapTo(form_.get(), QPoint(0, 0)), w->size()).intersected(form_->rect());
    }

    QPoint RandomPointIn(const QRect& r) {
        return {Uniform(rng_, r.left(), r.right()), Uniform(rng_, r.top(), r.bottom())};
    }

    QWidget* TopAt(QPoint onForm) const {
        QWidget* w = form_->childAt(onForm);
        return w ? w : form_.get();
    }

    bool IsExit(const QWidget* w) const { return w == form_->Control<QWidget>("Command2"); }

    // ---- Predictions for the scroll bar ------------------------------------

    QStyleOptionSlider BarOption() const {
        QStyleOptionSlider option;
        option.initFrom(bar_);
        option.subControls = QStyle::SC_None;
        option.activeSubControls = QStyle::SC_None;
        option.orientation = Qt::Horizontal;
        option.state |= QStyle::State_Horizontal;
        option.minimum = bar_->minimum();
        option.maximum = bar_->maximum();
        option.sliderPosition = bar_->sliderPosition();
        option.sliderValue = bar_->value();
        option.singleStep = bar_->singleStep();
        option.pageStep = bar_->pageStep();
        option.upsideDown = false;
        return option;
    }

    QRect BarPart(QStyle::SubControl part) const {
        const QStyleOptionSlider option = BarOption();
        return bar_->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar_);
    }

    int Clamp(int v) const { return std::clamp(v, 1000, 10000); }

    // A left click on the bar: arrows move by the small step, the trough by
    // the large step of 1, the thumb not at all.
    std::optional<int> BarClick(QPoint local) const {
        const QStyleOptionSlider option = BarOption();
        switch (bar_->style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, local, bar_)) {
            case QStyle::SC_ScrollBarSubLine:
                return Clamp(model_.value - model_.SmallStep());
            case QStyle::SC_ScrollBarAddLine:
                return Clamp(model_.value + model_.SmallStep());
            case QStyle::SC_ScrollBarSubPage:
                return Clamp(model_.value - 1);
            case QStyle::SC_ScrollBarAddPage:
                return Clamp(model_.value + 1);
            default:
                return std::nullopt;
        }
    }

    std::optional<int> BarKey(Qt::Key key) const {
        switch (key) {
            case Qt::Key_Left:
            case Qt::Key_Up:
                return Clamp(model_.value - model_.SmallStep());
            case Qt::Key_Right:
            case Qt::Key_Down:
                return Clamp(model_.value + model_.SmallStep());
            case Qt::Key_PageUp:
                return Clamp(model_.value - 1);
            case Qt::Key_PageDown:
                return Clamp(model_.value + 1);
            case Qt::Key_Home:
                return 1000;
            case Qt::Key_End:
                return 10000;
            default:
                return std::nullopt;
        }
    }

    // ---- Actions ------------------------------------------------------------

    // A left click at a point of the window, on whatever lies on top there.
    std::string ClickAt(QPoint onForm, Prediction& p) {
        QWidget* target = TopAt(onForm);
        // QTest reads a point of (0, 0) as "the middle": aim one pixel right.
        if (target->mapFrom(form_.get(), onForm).isNull()) {
            onForm += QPoint(1, 0);
            target = TopAt(onForm);
        }
        if (IsExit(target)) return "no click (EXIT at " + At(onForm) + ")";
        const QPoint local = target->mapFrom(form_.get(), onForm);
        if (target == bar_) p.settled = BarClick(local);
        if (auto* option = qobject_cast<QRadioButton*>(target)) {
            p.selects = target->parentWidget();
            p.clickedOption = option;
        }
        QTest::mouseClick(target, Qt::LeftButton, {}, local);
        return "click " + At(onForm) + " on " + Name(target);
    }

    std::string ClickControl(Prediction& p) {
        const auto table = lpf::ControlTable();
        for (int tries = 0; tries < 20; ++tries) {
            const int k = Uniform(rng_, 0, static_cast<int>(table.size()));
            const QRect r = k == static_cast<int>(table.size())
                                ? form_->rect()
                                : RectOnForm(form_->Control<QWidget>(table[k].name));
            if (r.isEmpty()) continue;
            const QPoint point = RandomPointIn(r);
            QWidget* target = TopAt(point);
            if (IsExit(target)) continue;  // EXIT stays unpressed
            const std::string in = k == static_cast<int>(table.size()) ? "window" : table[k].name;
            return ClickAt(point, p) + " (aimed at " + in + ")";
        }
        return "no click";
    }

    // Clicks a named control where a user would aim: the middle of a button,
    // the round mark of an option.
    std::string ClickNamed(const char* name, Prediction& p) {
        QWidget* w = form_->Control<QWidget>(name);
        const QRect r = RectOnForm(w);
        const QPoint point =
            qobject_cast<QRadioButton*>(w) ? QPoint(r.left() + 7, r.center().y()) : r.center();
        return std::string(name) + ": " + ClickAt(point, p);
    }

    std::optional<QString> NextTabStop(const QWidget* from, Qt::Key key) const {
        const int n = static_cast<int>(std::size(kTabWalk));
        int at = -1;
        for (int i = 0; i < n; ++i)
            if (from->objectName() == QLatin1String(kTabWalk[i])) at = i;
        if (at < 0) return std::nullopt;
        const int direction = key == Qt::Key_Tab ? 1 : n - 1;
        for (int k = 1; k < n; ++k) {
            const QWidget* w = form_->Control<QWidget>(kTabWalk[(at + k * direction) % n]);
            const auto* option = qobject_cast<const QRadioButton*>(w);
            if (w->isVisible() && (!option || option->isChecked())) return w->objectName();
        }
        return std::nullopt;
    }

    std::string PressKey(Prediction& p) {
        static constexpr Qt::Key kKeys[] = {Qt::Key_Left,   Qt::Key_Right,   Qt::Key_Up,
                                            Qt::Key_Down,   Qt::Key_Tab,     Qt::Key_Backtab,
                                            Qt::Key_Space,  Qt::Key_Home,    Qt::Key_End,
                                            Qt::Key_PageUp, Qt::Key_PageDown};
        QWidget* target = QApplication::focusWidget();
        if (!target) target = form_.get();
        Qt::Key key = kKeys[Uniform(rng_, 0, std::size(kKeys) - 1)];
        if (IsExit(target) && key == Qt::Key_Space) key = Qt::Key_Tab;  // Space would press EXIT
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;

        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) p.focus = NextTabStop(target, key);
        if (target == bar_) p.settled = BarKey(key);
        if (qobject_cast<QRadioButton*>(target)) p.selects = target->parentWidget();
        auto* box = qobject_cast<QLineEdit*>(target);
        if (box && !box->isReadOnly() && key == Qt::Key_Space) {
            QString text = box->text();
            if (box->hasSelectedText())
                text.replace(box->selectionStart(), box->selectedText().size(),
                             QStringLiteral(" "));
            else
                text.insert(box->cursorPosition(), QLatin1Char(' '));
            if (box->objectName() == QLatin1String("Text5") && box->hasSelectedText())
                model_.frequency.reset();  // a blank alone leaves the reading as it was
            if (QString* t = UserTextOf(model_, box->objectName())) *t = text;
        }
        QTest::keyClick(target, key, modifiers);
        return "key " + KeyName(key) + " to " + Name(target);
    }

    std::string TypeText(Prediction&) {
        if (Chance(rng_, 0.1)) {  // the masks: no key changes them
            const char* mask = Chance(rng_, 0.5) ? "Text6" : "Text7";
            const TypedText t = RandomTypedText(rng_);
            QTest::keyClicks(form_->Control<QWidget>(mask), QString::fromStdString(t.text));
            return std::string("keys ") + Shorten(t.text) + " straight to the mask " + mask;
        }
        std::vector<const char*> shown;
        for (const char* name : kTextBoxes)
            if (form_->Control<QWidget>(name)->isVisible()) shown.push_back(name);
        const char* name = shown[static_cast<std::size_t>(Uniform(rng_, 0, shown.size() - 1))];
        auto* box = form_->Control<QLineEdit>(name);
        const TypedText t = RandomTypedText(rng_, box == form_->Control<QLineEdit>("Text5"));
        const QString typed = QString::fromStdString(t.text);
        const bool append = Chance(rng_, 0.2) && box->text().size() < 1000;
        QString* expected = UserTextOf(model_, QString::fromLatin1(name));
        if (append) {
            if (box == form_->Control<QLineEdit>("Text5"))
                model_.frequency = model_.text5.isEmpty() ? t.frequency : std::nullopt;
            *expected = box->text() + typed;
            box->setFocus();
            QTest::keyClick(box, Qt::Key_End);
            QTest::keyClicks(box, typed);
        } else {
            if (box == form_->Control<QLineEdit>("Text5")) model_.frequency = t.frequency;
            *expected = typed;
            Type(*form_, name, typed);
        }
        return std::string(append ? "append " : "type ") + Shorten(t.text) + " into " + name;
    }

    // A turn of the mouse wheel over whatever lies on top at a point.
    std::string Wheel(Prediction& p) {
        const QPoint onForm = RandomPointIn(Chance(rng_, 0.5) ? RectOnForm(bar_) : form_->rect());
        QWidget* target = TopAt(onForm);
        const QPoint local = target->mapFrom(form_.get(), onForm);
        const int notches = Uniform(rng_, -3, 3);
        p.barMovedByUser = target == bar_;
        QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, notches * 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
        return "wheel " + std::to_string(notches) + " at " + At(onForm) + " on " + Name(target);
    }

    std::string ScrollBarAction(Prediction& p) {
        switch (Uniform(rng_, 0, 5)) {
            case 0:
            case 1: {  // an arrow
                const QRect r = BarPart(Uniform(rng_, 0, 1) ? QStyle::SC_ScrollBarAddLine
                                                            : QStyle::SC_ScrollBarSubLine);
                return "arrow: " + ClickAt(RandomPointIn(r.translated(bar_->pos())), p);
            }
            case 2: {  // the trough on either side of the thumb
                QRect r = BarPart(Uniform(rng_, 0, 1) ? QStyle::SC_ScrollBarAddPage
                                                      : QStyle::SC_ScrollBarSubPage);
                if (r.isEmpty()) r = BarPart(QStyle::SC_ScrollBarGroove);
                return "trough: " + ClickAt(RandomPointIn(r.translated(bar_->pos())), p);
            }
            case 3: {
                const int v = Uniform(rng_, 900, 10100);
                p.settled = Clamp(v);
                bar_->setValue(v);
                return "setValue(" + std::to_string(v) + ")";
            }
            case 4:
                return DragByProgram(p);
            default:
                return DragByMouse(p);
        }
    }

    // The thumb held down and moved: nothing settles until it is let go.
    std::string DragByProgram(Prediction& p) {
        std::string what = "drag:";
        bar_->setSliderDown(true);
        int position = bar_->sliderPosition();
        const int moves = Uniform(rng_, 1, 4);
        for (int m = 0; m < moves; ++m) {
            position = Uniform(rng_, 900, 10100);
            bar_->setSliderPosition(position);
            what += " " + std::to_string(position);
            QCoreApplication::processEvents();
            if (!CheckMidDrag(what)) return what;
        }
        p.settled = Clamp(position);
        bar_->setSliderDown(false);
        return what + " release";
    }

    std::string DragByMouse(Prediction& p) {
        const QRect thumb = BarPart(QStyle::SC_ScrollBarSlider);
        const QPoint start = thumb.center() + bar_->pos();
        if (TopAt(start) != bar_) return "thumb covered: " + ClickAt(start, p);
        const QPoint from = thumb.center();
        const QPoint to(Uniform(rng_, -20, bar_->width() + 20), from.y());
        QTest::mousePress(bar_, Qt::LeftButton, {}, from);
        QTest::mouseMove(bar_, to);
        QCoreApplication::processEvents();
        const std::string what = "mouse drag " + At(from) + " to " + At(to) + " on HScroll1";
        if (!CheckMidDrag(what)) return what;
        p.settled = bar_->sliderPosition();  // where the user has moved the thumb
        QTest::mouseRelease(bar_, Qt::LeftButton, {}, to);
        return what;
    }

    std::string RandomAction(Prediction& p) {
        const int r = Uniform(rng_, 0, 99);
        if (r < 30) return ClickControl(p);
        if (r < 50) return PressKey(p);
        if (r < 64) return TypeText(p);
        if (r < 74) return ScrollBarAction(p);
        if (r < 76) return Wheel(p);
        static const char* const kNamed[] = {"Command4", "Command5", "Command6",
                                             "Command1", "Option1",  "Option2"};
        return ClickNamed(kNamed[Uniform(rng_, 0, 5)], p);
    }

    // ---- What happened, and the checks --------------------------------------

    QString Checked(QWidget* frame) const {
        for (auto* option : frame->findChildren<QRadioButton*>())
            if (option->isChecked()) return option->objectName();
        return {};
    }

    // Applies to the model what the action turned out to do; returns the
    // texts Design wrote, for the record.
    std::string Observe(const Prediction& p, const QString& orderBefore,
                        const QString& incrementBefore) {
        if (clicks_.count("Command2")) problems_ << QStringLiteral("the run pressed EXIT");
        int total = 0;
        for (const auto& [name, count] : clicks_) total += count;
        if (total > 1) problems_ << QStringLiteral("one action pressed %1 buttons").arg(total);

        // A selection the user made runs that option's Click.
        auto* frame1 = form_->Control<QWidget>("Frame1");
        auto* frame2 = form_->Control<QWidget>("Frame2");
        const QString order = Checked(frame1);
        if (order != orderBefore && p.selects == frame1)
            model_.SelectOrder(order == QLatin1String("Option1"));
        const QString increment = Checked(frame2);
        if (increment != incrementBefore && p.selects == frame2) model_.incrementOption = increment;

        if (p.clickedOption && !p.clickedOption->isChecked())
            problems_ << QStringLiteral("a click inside %1 left it unselected")
                             .arg(p.clickedOption->objectName());

        std::string written;
        if (clicks_.count("Command1")) {
            problems_ << model_.Design(*form_);
            written = " -> Design wrote";
            for (const char* box : {"Text2", "Text3", "Text4"})
                if (form_->Control<QWidget>(box)->isVisible())
                    written += " [" + form_->Control<QLineEdit>(box)->text().toStdString() + "]";
        }
        if (clicks_.count("Command4")) model_.Reset();
        if (clicks_.count("Command5")) model_.Help();
        if (clicks_.count("Command6")) model_.Close();
        if (p.settled) model_.Settle(*p.settled);
        if (p.barMovedByUser) model_.Settle(bar_->value());
        if (p.focus) {
            const QWidget* focus = QApplication::focusWidget();
            if (!focus || focus->objectName() != *p.focus)
                problems_ << QStringLiteral("the Tab walk went to %1, expected %2")
                                 .arg(focus ? focus->objectName() : QStringLiteral("nothing"),
                                      *p.focus);
        }
        return written;
    }

    bool CheckMidDrag(const std::string& what) {
        if (!bar_->isSliderDown()) return true;
        const QStringList found = model_.Check(*form_);
        if (found.isEmpty()) return true;
        problems_ << found;
        midDragFailure_ = what + " (while the thumb is held)";
        return false;
    }

    bool CheckNow(long index, const std::string& action) {
        problems_ << model_.Check(*form_);
        if (!midDragFailure_.empty()) problems_.prepend(QString::fromStdString(midDragFailure_));
        if (options_.verbose) out_ << index << ": " << action << "\n";
        if (problems_.isEmpty()) return true;
        out_ << "FAILED: seed " << options_.seed << ", action " << index << " (" << action << ")\n";
        for (const QString& problem : problems_) out_ << "  " << problem.toStdString() << "\n";
        out_ << "last actions:\n";
        for (const std::string& a : history_) out_ << "  " << a << "\n";
        out_ << "window:\n";
        const auto state = VisibleState(*form_);
        for (auto it = state.begin(); it != state.end(); ++it)
            out_ << "  " << it.key().toStdString() << ": " << it.value().toStdString() << "\n";
        out_ << "replay: window_random_test --seed " << options_.seed << " --actions " << index + 1
             << " --verbose\n";
        return false;
    }

    void Remember(long index, const std::string& action) {
        history_.push_back(std::to_string(index) + ": " + action);
        if (history_.size() > kHistory) history_.pop_front();
    }

    RunOptions options_;
    std::ostream& out_;
    Rng rng_;
    std::unique_ptr<Form1> form_;
    QScrollBar* bar_ = nullptr;
    WindowModel model_;
    std::map<std::string, int> clicks_;
    QStringList problems_;
    std::string midDragFailure_;
    std::deque<std::string> history_;
};

}  // namespace

bool RunRandomSession(const RunOptions& options, std::ostream& out) {
    Session session(options, out);
    return session.Run();
}

}  // namespace lpf_random
