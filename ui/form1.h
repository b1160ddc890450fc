#pragma once
// The main window: every main-window calculator, and the buttons that open
// the other windows.

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

signals:
    void geometryRequested();   // 关于几何
    void constantsRequested();  // 关于常数
    void factorialRequested();  // 关于阶乘和乘方
    void aboutRequested();      // 关于

public slots:
    void CmdEvaluate_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    void setTabOrder();

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
};

}  // namespace ui
