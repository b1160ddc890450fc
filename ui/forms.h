#pragma once
// The windows that the main window opens.

#include "ui/form_window.h"

class QLabel;
class QLineEdit;

namespace ui {

// 几何计算: the geometry window.
class Form2 : public FormWindow {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
};

// 关于常数: the constants reference.
class Form3 : public FormWindow {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);
};

// 关于阶乘和乘方: factorial and power.
class Form4 : public FormWindow {
    Q_OBJECT
public:
    explicit Form4(QWidget* parent = nullptr);

public slots:
    void Command1_Click();  // factorial
    void Command2_Click();  // power

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label7 = nullptr;
    bool shownOnce_ = false;
};

// 关于: the About window.
class Form5 : public FormWindow {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);
};

}  // namespace ui
