#pragma once
// The main window: every main-window calculator, and the buttons that open
// the other windows.

#include "calc/four_function.h"
#include "calc/trig.h"
#include "ui/form_window.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class Form1 : public FormWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    QPushButton* command1(int index) const { return command1_[static_cast<size_t>(index - 1)]; }
    const calc::FourFunctionCalculator& calculator() const { return calculator_; }

signals:
    void geometryRequested();   // 关于几何
    void constantsRequested();  // 关于常数
    void factorialRequested();  // 关于阶乘和乘方
    void aboutRequested();      // 关于

public slots:
    void CmdEvaluate_Click();
    void Command1_Click(int index);  // operator keys
    void Command8_Click();           // =
    void Command5_Click();           // Tan
    void Command6_Click();           // Cos
    void Command7_Click();           // Sin
    void Command13_Click();          // degrees to radians
    void Command9_Click();           // base conversion
    void Command2_Click();           // long addition
    void Command4_Click();           // long multiplication

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    void setTabOrder();
    void showKeyOutcome(const calc::KeyOutcome& outcome);
    void trigKey(QPushButton* key, calc::TrigFunction function);

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* Text1 = nullptr;
    std::array<QPushButton*, 4> command1_{};
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command11 = nullptr;
    QPushButton* Command12 = nullptr;
    QPushButton* Command13 = nullptr;
    QPushButton* CmdEvaluate = nullptr;
    QLineEdit* ExprText = nullptr;
    QLabel* ResultLabel = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text9 = nullptr;
    QLineEdit* Text10 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label14 = nullptr;
    bool shownOnce_ = false;
    calc::FourFunctionCalculator calculator_;
};

}  // namespace ui
