#pragma once
// The windows that the main window opens.

#include "constants/constants.h"
#include "geometry/geometry.h"
#include "ui/form_window.h"

#include <array>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ui {

// 几何计算: the geometry window.
class Form2 : public FormWindow {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    const geometry::GeometryCalculators& calculators() const { return calculators_; }

public slots:
    void Combo1_Click();
    void Command1_Click();  // triangle from its sides
    void Command2_Click();  // triangle from its vertices
    void Command3_Click();  // ellipse
    void Combo2_Click();
    void Command4_Click();  // sphere
    void Combo3_Click();
    void Command6_Click();  // cone
    void Command5_Click();  // decimal places

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    QLineEdit* box(int n) const { return text_[static_cast<size_t>(n)]; }
    QPushButton* command(int n) const { return command_[static_cast<size_t>(n)]; }
    void showResult(QLabel* label, const std::optional<std::string>& caption);

    geometry::GeometryCalculators calculators_;
    std::array<QLineEdit*, 16> text_{};  // Text1 … Text15 at their numbers
    std::array<QPushButton*, 7> command_{};  // Command1 … Command6 at their numbers
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label18 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label26 = nullptr;
    QLabel* Label27 = nullptr;
    bool shownOnce_ = false;
};

// 关于常数: the constants reference.
class Form3 : public FormWindow {
    Q_OBJECT
public:
    explicit Form3(QWidget* parent = nullptr);

public slots:
    // Copies the selected entry's value text (nothing when none is selected).
    void List1_Click();

protected:
    // Ctrl+C in the list copies the value text alone; a mouse press is
    // watched to tell a click on the entry already selected.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void selectionChanged();
    void itemClicked();

    constants::Tables tables_;
    QListWidget* List1 = nullptr;
    bool copiedByThisPress_ = false;
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
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
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
