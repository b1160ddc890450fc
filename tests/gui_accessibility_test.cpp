// What a screen reader gets from every window, through Qt's accessibility
// interfaces: window roles and titles, names that tell controls apart,
// label relations, instructions as descriptions, and the outcome of every
// calculation in the description of the button that ran it. And Qt's own
// texts in Chinese.

#include "gui_support.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>

using namespace guitest;

namespace {

QAccessibleInterface* accessible(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }
QString nameOf(QWidget* w) { return accessible(w)->text(QAccessible::Name); }

// The controls a user can move to with the keyboard.
QList<QWidget*> focusable(QWidget* window) {
    QList<QWidget*> out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->isHidden()) continue;
        if (qobject_cast<QComboBox*>(w->parentWidget())) continue;  // a combo box's own text field
        if (w->parentWidget() != window && !qobject_cast<QGroupBox*>(w->parentWidget())) continue;
        out << w;
    }
    return out;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    Harness harness;
    app::Lifecycle* lifecycle = nullptr;

    QList<QWidget*> windows() {
        return {&lifecycle->main(), lifecycle->geometry(), lifecycle->constants(), lifecycle->factorial(),
                lifecycle->about()};
    }
    void openAll() {
        lifecycle->Command3_Click();
        lifecycle->Command10_Click();
        lifecycle->Command11_Click();
        lifecycle->Command12_Click();
        for (QWidget* w : windows()) QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    static void type(QWidget* window, const char* box, const QString& text) { control<QLineEdit>(window, box)->setText(text); }
    static QString press(QWidget* window, const char* button) {
        auto* b = control<QPushButton>(window, button);
        QTest::mouseClick(b, Qt::LeftButton);
        return accessible(b)->text(QAccessible::Description);
    }

private slots:
    void initTestCase() { harness.setUp(); }
    void cleanupTestCase() { harness.tearDown(); }
    void init() {
        QVERIFY(harness.start());
        lifecycle = harness.lifecycle();
        openAll();
    }
    void cleanup() { QCOMPARE(harness.stop(), QString()); }

    void everyWindowHasTheWindowRoleAndItsTitle() {
        for (QWidget* w : windows()) {
            QAccessibleInterface* a = accessible(w);
            QCOMPARE(a->role(), QAccessible::Window);
            QCOMPARE(a->text(QAccessible::Name), w->windowTitle());
        }
    }

    void noTwoFocusableControlsOfAWindowReadAlike() {
        auto verifyDistinct = [](QWidget* window) {
            QHash<QString, QString> seen;
            for (QWidget* c : focusable(window)) {
                const QString name = nameOf(c);
                QVERIFY2(!name.trimmed().isEmpty(), qPrintable(window->objectName() + "/" + c->objectName()));
                QVERIFY2(!seen.contains(name),
                         qPrintable(window->objectName() + ": " + c->objectName() + " and " + seen.value(name) + " read " + name));
                seen.insert(name, c->objectName());
            }
        };
        for (QWidget* w : windows()) verifyDistinct(w);
        // A combo box reads as its current item once one is picked.
        QWidget* g = lifecycle->geometry();
        control<QComboBox>(g, "Combo1")->setCurrentIndex(0);
        control<QComboBox>(g, "Combo2")->setCurrentIndex(1);
        control<QComboBox>(g, "Combo3")->setCurrentIndex(0);
        verifyDistinct(g);
    }

    void comboBoxesKeepTheirHeadingAsLabel() {
        QWidget* g = lifecycle->geometry();
        const std::pair<const char*, QString> combos[] = {
            {"Combo1", QStringLiteral("三角形面积:")},
            {"Combo2", QStringLiteral("关于球的计算(已知半径)")},
            {"Combo3", QStringLiteral("关于锥形体积的计算:")},
        };
        for (const auto& [name, heading] : combos) {
            auto* combo = control<QComboBox>(g, name);
            combo->setCurrentIndex(1);
            QStringList labels;
            for (const auto& r : accessible(combo)->relations(QAccessible::Label)) labels << r.first->text(QAccessible::Name);
            QVERIFY2(labels.contains(heading), name);
        }
    }

    void instructionsAndPictureAreDescribed() {
        QWidget* m = &lifecycle->main();
        QCOMPARE(accessible(control<QLineEdit>(m, "ExprText"))->text(QAccessible::Description),
                 control<QLabel>(m, "Label7")->text());
        QCOMPARE(accessible(control<QListWidget>(lifecycle->constants(), "List1"))->text(QAccessible::Description),
                 QStringLiteral("^表示乘方,选中项目后自动复制到剪贴板,只需粘贴即可"));
        QVERIFY(!nameOf(control<QLabel>(lifecycle->about(), "Image1")).isEmpty());
        // Results whose captions read alike are told apart by their descriptions.
        QCOMPARE(accessible(control<QLabel>(m, "Label11"))->text(QAccessible::Description), QStringLiteral("高精度加法结果"));
        QCOMPARE(accessible(control<QLabel>(m, "Label14"))->text(QAccessible::Description), QStringLiteral("高精度乘法结果"));
        QCOMPARE(accessible(control<QLabel>(lifecycle->factorial(), "Label3"))->text(QAccessible::Description), QStringLiteral("阶乘结果"));
        QCOMPARE(accessible(control<QLabel>(lifecycle->factorial(), "Label7"))->text(QAccessible::Description), QStringLiteral("乘方结果"));
    }

    // Every calculation leaves its outcome in the pressed button's
    // description: the new caption or display, or the message shown.
    void mainWindowButtonsAnnounceTheirOutcome() {
        QWidget* m = &lifecycle->main();
        type(m, "ExprText", QStringLiteral("2*(3+4)"));
        QCOMPARE(press(m, "CmdEvaluate"), QStringLiteral("结果是:  14"));
        type(m, "ExprText", QStringLiteral("1/0"));
        QCOMPARE(press(m, "CmdEvaluate"), QStringLiteral("除数为零"));
        type(m, "Text1", QStringLiteral("5"));
        QCOMPARE(press(m, "Command1(1)"), QStringLiteral("5"));
        type(m, "Text1", QStringLiteral("3"));
        QCOMPARE(press(m, "Command8"), QStringLiteral("8"));
        type(m, "Text1", QStringLiteral("60"));
        QCOMPARE(press(m, "Command6"), QStringLiteral("0.50"));
        type(m, "Text1", QStringLiteral("1a"));
        QCOMPARE(press(m, "Command5"), QStringLiteral("数据非法"));
        type(m, "Text9", QStringLiteral("180"));
        QCOMPARE(press(m, "Command13"), QStringLiteral("3.14159265358979"));
        type(m, "Text2", QStringLiteral("255"));
        type(m, "Text4", QStringLiteral("10"));
        type(m, "Text3", QStringLiteral("16"));
        QCOMPARE(press(m, "Command9"), QStringLiteral("结果为:1515"));
        type(m, "Text5", QStringLiteral("123"));
        type(m, "Text6", QStringLiteral("989"));
        QCOMPARE(press(m, "Command2"), QStringLiteral("结果是:  1112"));
        // The same result again is announced again.
        QCOMPARE(press(m, "Command2"), QStringLiteral("结果是:  1112"));
        type(m, "Text7", QStringLiteral("x"));
        type(m, "Text8", QStringLiteral("y"));
        QCOMPARE(press(m, "Command4"), QStringLiteral("数据非法；数据非法"));
    }

    void otherWindowsButtonsAnnounceTheirOutcome() {
        QWidget* g = lifecycle->geometry();
        QCOMPARE(press(g, "Command1"), QStringLiteral("请选择一个选项"));
        control<QComboBox>(g, "Combo1")->setCurrentIndex(0);
        type(g, "Text1", QStringLiteral("3"));
        type(g, "Text2", QStringLiteral("4"));
        type(g, "Text3", QStringLiteral("5"));
        QCOMPARE(press(g, "Command1"), QStringLiteral("面积为:6."));
        type(g, "Text5", QStringLiteral("4"));
        type(g, "Text9", QStringLiteral("3"));
        QCOMPARE(press(g, "Command2"), QStringLiteral("面积为:    6"));
        type(g, "Text10", QStringLiteral("2"));
        type(g, "Text11", QStringLiteral("1"));
        QCOMPARE(press(g, "Command3"), QStringLiteral("面积为:    6.2832"));
        control<QComboBox>(g, "Combo2")->setCurrentIndex(0);
        QCOMPARE(press(g, "Command4"), QStringLiteral("请输入半径"));
        type(g, "Text13", QStringLiteral("2"));
        QCOMPARE(press(g, "Command5"), QStringLiteral("已设为保留2位小数"));
        control<QComboBox>(g, "Combo3")->setCurrentIndex(1);
        type(g, "Text14", QStringLiteral("2"));
        type(g, "Text15", QStringLiteral("6"));
        QCOMPARE(press(g, "Command6"), QStringLiteral("结果为:   4"));

        QWidget* f = lifecycle->factorial();
        type(f, "Text1", QStringLiteral("5"));
        QCOMPARE(press(f, "Command1"), QStringLiteral("结果为:120"));
        type(f, "Text2", QStringLiteral("2"));
        type(f, "Text3", QStringLiteral("10"));
        QCOMPARE(press(f, "Command2"), QStringLiteral("结果为:1024"));
    }
};

// Qt's own texts, in the interface's language.
class QtTextsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::setupApplicationLook(); }

    void messageBoxButtonReadsQueDing() {
        QWidget parent;
        parent.show();
        ui::BoxMessages boxes(&parent);
        QString button;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            button = box->button(QMessageBox::Ok)->text();
            box->button(QMessageBox::Ok)->click();
        });
        boxes.showMessage("溢出", "Qorvi计算器");
        QCOMPARE(button, QStringLiteral("确定"));
    }

    void textBoxMenusAreChinese() {
        QLineEdit box;
        std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QStringList texts;
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) texts << a->text().section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(texts, (QStringList{QStringLiteral("撤消(&U)"), QStringLiteral("重做(&R)"), QStringLiteral("剪切(&T)"),
                                     QStringLiteral("复制(&C)"), QStringLiteral("粘贴(&P)"), QStringLiteral("删除"),
                                     QStringLiteral("全选")}));
    }
};

int main(int argc, char** argv) { return guitest::runTests<AccessibilityTest, QtTextsTest>(argc, argv); }

#include "gui_accessibility_test.moc"
