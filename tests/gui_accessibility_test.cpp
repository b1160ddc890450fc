// What a screen reader gets from every window, through Qt's accessibility
// interfaces: window roles and titles, names that tell controls apart,
// label relations, instructions as descriptions, text boxes read whole, and
// the outcome of every calculation announced once. And Qt's own texts in
// Chinese.

#include "gui_support.h"
#include "tests/recording_messages.h"
#include "ui/accessibility.h"
#include "ui/message_box.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>

using namespace guitest;

namespace {

QStringList said;  // what announce() said, in order

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
    // A click: the boxes filled first, then what the click announces, or
    // the message it shows.
    struct Press {
        QWidget* window;
        std::vector<std::pair<const char*, const char*>> fill;
        const char* button;
        QString announced;
        QString shown = {};
        std::function<void()> before = {};
    };

private slots:
    void initTestCase() {
        harness.setUp();
        ui::setAnnouncementListener([](const QString& text) { said << text; });
    }
    void cleanupTestCase() {
        ui::setAnnouncementListener({});
        harness.tearDown();
    }
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

    // Every calculation has a screen reader say its outcome once: the new
    // caption or display as an announcement, or the message in its box and
    // nothing more. A key that moves the focus to the display announces
    // nothing: the display is read where the focus lands.
    void everyButtonAnnouncesItsOutcomeOnce() {
        QWidget* m = &lifecycle->main();
        QWidget* g = lifecycle->geometry();
        QWidget* f = lifecycle->factorial();
        auto pick = [g](const char* combo, int index) { return [=] { control<QComboBox>(g, combo)->setCurrentIndex(index); }; };
        const Press presses[] = {
            {m, {{"ExprText", "2*(3+4)"}}, "CmdEvaluate", "结果是:  14"},
            {m, {{"ExprText", "1/0"}}, "CmdEvaluate", "", "除数为零"},
            {m, {{"Text1", "5"}}, "Command1(1)", ui::kAnnounceIntoFocus ? "5" : ""},
            {m, {{"Text1", "3"}}, "Command8", "8"},
            {m, {}, "Command8", "8"},  // the same result again is said again
            {m, {{"Text1", "60"}}, "Command6", "0.50"},
            {m, {{"Text1", "45"}}, "Command5", "0.999999999999998"},
            {m, {{"Text1", "30"}}, "Command7", "0.5"},
            {m, {{"Text1", "1a"}}, "Command5", "", "数据非法"},
            {m, {{"Text9", "180"}}, "Command13", "3.14159265358979"},
            {m, {{"Text2", "255"}, {"Text4", "10"}, {"Text3", "16"}}, "Command9", "结果为:FF"},
            {m, {{"Text5", "123"}, {"Text6", "989"}}, "Command2", "结果是:  1112"},
            {m, {{"Text7", "13"}, {"Text8", "5"}}, "Command4", "结果是:  65"},
            {m, {{"Text7", "x"}, {"Text8", "y"}}, "Command4", "", "数据非法；数据非法"},
            {g, {}, "Command1", "", "请选择一个选项"},
            {g, {{"Text1", "3"}, {"Text2", "4"}, {"Text3", "5"}}, "Command1", "面积为:6.", "", pick("Combo1", 0)},
            {g, {{"Text5", "4"}, {"Text9", "3"}}, "Command2", "面积为:    6"},
            {g, {{"Text10", "2"}, {"Text11", "1"}}, "Command3", "面积为:    6.2832"},
            {g, {}, "Command4", "", "请输入半径", pick("Combo2", 0)},
            {g, {{"Text13", "2"}}, "Command5", "已设为保留2位小数"},
            {g, {{"Text14", "2"}, {"Text15", "6"}}, "Command6", "结果为:   4", "", pick("Combo3", 1)},
            {f, {{"Text1", "5"}}, "Command1", "结果为:120"},
            {f, {{"Text2", "2"}, {"Text3", "10"}}, "Command2", "结果为:1024"},
        };
        for (const Press& p : presses) {
            for (const auto& [box, text] : p.fill) control<QLineEdit>(p.window, box)->setText(QString::fromUtf8(text));
            if (p.before) p.before();
            harness.messages.messages.clear();
            said.clear();
            QTest::mouseClick(control<QPushButton>(p.window, p.button), Qt::LeftButton);
            QStringList shown;
            for (const testing_support::Message& msg : take(harness.messages)) shown << QString::fromStdString(msg.prompt);
            const QString where = p.window->objectName() + "/" + p.button;
            const QStringList announced = p.announced.isEmpty() ? QStringList() : QStringList{p.announced};
            QVERIFY2(said == announced, qPrintable(where + " announced " + said.join('|')));
            QVERIFY2(shown.join(QStringLiteral("；")) == p.shown, qPrintable(where + " showed " + shown.join('|')));
        }
    }

    // The constants list says that it copied, and what.
    void selectingAConstantAnnouncesTheCopy() {
        auto* list = control<QListWidget>(lifecycle->constants(), "List1");
        said.clear();
        list->setCurrentRow(1);
        QCOMPARE(said, QStringList{QStringLiteral("已复制 299792458")});
        said.clear();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QCOMPARE(said, QStringList{QStringLiteral("已复制 299792458")});
    }

    // A message box's text is in its accessible name beside its title, so
    // that every screen reader says it once with the box.
    void messageBoxesCarryTheirTextInTheirName() {
        QMessageBox box;
        ui::prepareBox(box, QStringLiteral("除数为零"), QStringLiteral("Qorvi计算器"));
        QCOMPARE(nameOf(&box), QStringLiteral("Qorvi计算器 除数为零"));
        QVERIFY(accessible(&box)->text(QAccessible::Description).isEmpty());
    }

    // Text boxes give a screen reader their whole text as one run of
    // attributes (an empty run at each offset makes Orca 43 drop a line's
    // last character), and stay editable through their accessible text.
    void textBoxesReportOneAttributeRunOverTheirText() {
        auto* display = control<QLineEdit>(&lifecycle->main(), "Text1");
        display->setText(QStringLiteral("6"));
        QAccessibleTextInterface* text = accessible(display)->textInterface();
        QVERIFY(text);
        for (int offset : {0, 1}) {
            int start = -1, end = -1;
            text->attributes(offset, &start, &end);
            QCOMPARE(std::pair(start, end), std::pair(0, 1));
        }
        QAccessibleEditableTextInterface* editable = accessible(display)->editableTextInterface();
        QVERIFY(editable);
        editable->replaceText(0, 1, QStringLiteral("2*(3+4)"));
        editable->deleteText(1, 2);
        editable->insertText(0, QStringLiteral("1"));
        QCOMPARE(display->text(), QStringLiteral("12(3+4)"));
        QCOMPARE(text->text(0, text->characterCount()), display->text());
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
