#pragma once
// The calculator's one window. Its controls come from the table in
// control_table.cpp; the handlers are named after their control and event and
// live in one file per group: order_handlers.cpp, resistor_handlers.cpp,
// help_handlers.cpp, and the Design command in design/.

#include <QWidget>

#include "design_command.h"
#include "design_state.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

class Form1 : public QWidget, public lpf::DesignWindow {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);

    lpf::DesignState& State() { return state_; }

    // The control of that name (its object name), of the expected kind.
    template <class T>
    T* Control(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }

  public slots:
    void Form_Load();
    void Command1_Click();  // Design
    void Command2_Click();  // EXIT
    void Command4_Click();  // Reset
    void Command5_Click();  // Help
    void Command6_Click();  // Close
    void HScroll1_Change(int value);
    void Option1_Click();                       // Two Poles
    void Option2_Click();                       // Three Poles
    void IncrementOption_Click(int smallStep);  // Option3 .. Option10, see resistor_handlers.cpp

    // lpf::DesignWindow
  public:
    std::string FrequencyText() const override;
    bool TwoPolesSelected() const override;
    bool ThreePolesSelected() const override;
    char DecimalSeparator() const override;
    void HideRefreshPrompt() override;
    void ShowResultBox(lpf::ResultBox box) override;
    void SetResultText(lpf::ResultBox box, const std::string& text) override;

  private:
    void BuildControls();
    void ConnectHandlers();
    void ConnectIncrementOptions();  // resistor_handlers.cpp
    void ApplyOrder(bool twoPoles);  // order_handlers.cpp

    lpf::DesignState state_;
};
