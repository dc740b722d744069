#pragma once
// The calculator's one window on a Linux desktop: the Qt widgets built from
// the control table, showing what the form's handlers ask for. All behaviour
// is in form/; this class draws it with Qt and reports the user's actions.
// Files: form1.cpp (building, the View), controls.cpp (a widget of each
// kind), events.cpp (what the user does, in the form's words).

#include <QWidget>
#include <array>

#include "control_table.h"
#include "form.h"
#include "view.h"

class Form1 : public QWidget, public lpf::View {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);

    lpf::Form& Behaviour() { return form_; }
    lpf::DesignState& State() { return form_.State(); }

    QWidget* Widget(lpf::ControlId id) const { return widgets_[lpf::Index(id)]; }

    // The control of that name (its object name), of the expected kind: for
    // tests and tools that find a control as a user names it.
    template <class T>
    T* Control(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }

  protected:
    // Tab and Shift+Tab, from whichever control has the focus.
    bool focusNextPrevChild(bool next) override;
    // The arrow keys on an option button or the scroll bar.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ReportUserActions();

    // lpf::View
    void DoSetVisible(lpf::ControlId id, bool visible) override;
    void DoSetText(lpf::ControlId id, const std::string& text) override;
    std::string DoText(lpf::ControlId id) const override;
    void DoSetForeColour(lpf::ControlId id, lpf::Colour colour) override;
    void DoRepaint(lpf::ControlId id) override;
    void DoRepaintWindow() override;
    bool DoSelected(lpf::ControlId option) const override;
    void DoSelect(lpf::ControlId option) override;
    int DoScrollValue(lpf::ControlId bar) const override;
    void DoSetScrollMinimum(lpf::ControlId bar, int minimum) override;
    void DoSetScrollValue(lpf::ControlId bar, int value) override;
    void DoSetScrollStep(lpf::ControlId bar, int smallStep) override;
    void DoFocus(lpf::ControlId id, lpf::FocusMove move) override;
    void DoSelectAllText(lpf::ControlId box) override;
    void DoAnnounce(lpf::ControlId id, const std::string& words) override;
    void DoSetAccessibleName(lpf::ControlId id, const std::string& name) override;
    void DoSetLabelFor(lpf::ControlId caption, lpf::ControlId box) override;
    std::string DoDecimalSeparator() const override;
    void DoQuit() override;

    std::array<QWidget*, lpf::kControlCount> widgets_{};
    lpf::Form form_{*this};
};
