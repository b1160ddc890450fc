#pragma once
// The main window: every main-window calculator, and the buttons that open
// the other windows.

#include "calc/four_function.h"
#include "calc/trig.h"
#include "ui/controls.h"
#include "ui/form_window.h"

namespace ui {

// The main window's controls, in the order they are made.
enum class Form1Control {
    Window, Frame1, Text1, Command1_1, Command1_2, Command1_3, Command1_4, Command8, Command5, Command6,
    Command7, Frame2, Label7, ExprText, ResultLabel, CmdEvaluate, Label2, Text9, Label8, Text10, Command13,
    Label16, Label3, Text2, Text4, Label15, Label4, Text3, Label5, Command9, Label6, Label9, Command2, Text5,
    Label10, Text6, Label11, Label12, Command4, Text7, Label13, Text8, Label14, Command3, Command10,
    Command11, Command12, Count
};

class Form1 : public FormWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget* parent = nullptr);

    // The operator keys + - × ÷, from 1.
    QPushButton* command1(int index) const;
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
    template <Form1Control id> auto* c() const;
    void showKeyOutcome(const calc::KeyOutcome& outcome);
    void trigKey(QPushButton* key, calc::TrigFunction function);

    Built<Form1Control> controls_;
    bool shownOnce_ = false;
    calc::FourFunctionCalculator calculator_;
};

}  // namespace ui
