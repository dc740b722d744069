#pragma once
// The calculator's one window on a Linux desktop: the Qt widgets built from
// the control table, showing what the form's handlers ask for. All behaviour
// is in form/; this class maps it onto Qt and reports the user's actions.

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

    // lpf::View
    void SetVisible(lpf::ControlId id, bool visible) override;
    void SetText(lpf::ControlId id, const std::string& text) override;
    std::string Text(lpf::ControlId id) const override;
    void SetForeColour(lpf::ControlId id, lpf::Colour colour) override;
    void Repaint(lpf::ControlId id) override;
    bool Selected(lpf::ControlId option) const override;
    void Select(lpf::ControlId option) override;
    int ScrollValue(lpf::ControlId bar) const override;
    void SetScrollMinimum(lpf::ControlId bar, int minimum) override;
    void SetScrollValue(lpf::ControlId bar, int value) override;
    void SetScrollStep(lpf::ControlId bar, int smallStep) override;
    void Focus(lpf::ControlId id) override;
    void SetAccessibleName(lpf::ControlId id, const std::string& name) override;
    void SetLabelFor(lpf::ControlId caption, lpf::ControlId box) override;
    char DecimalSeparator() const override;
    void Quit() override;

  private:
    void BuildControls();
    void ReportUserActions();
    QWidget* WidgetOrWindow(lpf::ControlId id) const;

    std::array<QWidget*, lpf::kControlCount> widgets_{};
    // Qt signals a change made by the program as it does one made by the
    // user; the form wants only the user's, so the program's are not passed on.
    bool changingByProgram_ = false;
    lpf::Form form_{*this};
};
