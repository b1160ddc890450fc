// Opens and closes every window a thousand times, clicking every button with
// random texts in every box and picking random options. Every message shown
// must be one the program knows; nothing may crash, hang or leak (the suite
// also runs under the sanitizers).

#include "app/lifecycle.h"
#include "tests/recording_messages.h"
#include "gui_support.h"
#include "ui/look.h"

#include <QComboBox>
#include <QListWidget>

#include <memory>
#include <random>
#include <set>

using namespace guitest;

class SoakTest : public QObject {
    Q_OBJECT

    std::mt19937 rng{20261208};

    QString randomText() {
        static const QStringList pieces = {"0", "1", "2", "5", "9", ".", "-", "", "e", "x", " ", "数",
                                           "12", "007", "3.5", "-1", "1e5", "99", "2147483648", "0.5"};
        std::uniform_int_distribution<int> count(0, 6), piece(0, static_cast<int>(pieces.size()) - 1);
        std::uniform_int_distribution<int> rare(0, 60);
        if (rare(rng) == 0) return QString(std::uniform_int_distribution<int>(400, 700)(rng), QLatin1Char('9'));
        QString s;
        for (int i = count(rng); i > 0; --i) s += pieces[piece(rng)];
        return s;
    }

    void exercise(QWidget* window) {
        for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
            if (qobject_cast<QComboBox*>(box->parentWidget())) continue;
            box->setText(randomText());
        }
        for (QComboBox* combo : window->findChildren<QComboBox*>()) {
            combo->setFocus();
            int presses = std::uniform_int_distribution<int>(0, 2)(rng);
            for (int i = 0; i < presses; ++i) QTest::keyClick(combo, Qt::Key_Down);
        }
        for (QListWidget* list : window->findChildren<QListWidget*>())
            list->setCurrentRow(std::uniform_int_distribution<int>(0, list->count() - 1)(rng));
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            // The buttons that open windows are the lifecycle's part of the soak.
            if (window->objectName() == QLatin1String("Form1") &&
                QStringList{"Command3", "Command10", "Command11", "Command12"}.contains(button->objectName()))
                continue;
            button->click();
        }
    }

private slots:
    void initTestCase() { ui::setupApplicationLook(); }

    void openCloseAndClickEverything() {
        ModalWatchdog watchdog;
        testing_support::RecordingMessages messages;
        const std::set<std::string> known = {"数据非法", "溢出", "以零作除数", "目标进制必须不小于2",
                                             "超出500位的计算范围", "请选择一个选项", "三角形两边之和大于第三边",
                                             "请输入半径", "除数为零", "无效的过程调用或参数", "请输入非负整数",
                                             "请输入整数", "原数的进制必须不小于2", "进制必须是整数",
                                             "原数含有该进制以外的数字", "该角度的正切不存在", "请输入数字",
                                             "请输入非负数", "夹角必须大于0度且小于180度"};
        auto lifecycle = std::make_unique<app::Lifecycle>();
        lifecycle->setMessageSink(&messages);
        lifecycle->start();
        for (int cycle = 0; cycle < 1000; ++cycle) {
            lifecycle->Command3_Click();
            lifecycle->Command10_Click();
            lifecycle->Command11_Click();
            lifecycle->Command12_Click();
            if (cycle % 10 == 0) {
                for (QWidget* w : {static_cast<QWidget*>(&lifecycle->main()), static_cast<QWidget*>(lifecycle->geometry()),
                                   static_cast<QWidget*>(lifecycle->constants()), static_cast<QWidget*>(lifecycle->factorial())})
                    exercise(w);
            }
            for (ui::FormWindow* w : std::initializer_list<ui::FormWindow*>{
                     lifecycle->about(), lifecycle->factorial(), lifecycle->constants(), lifecycle->geometry()})
                w->close();
            // Let the event loop run as it would between clicks (closed windows
            // are deleted then).
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (const auto& m : messages.messages) {
                bool knownPrompt = known.count(m.prompt) || m.prompt.rfind("Error evaluating '", 0) == 0 ||
                                   m.prompt.rfind("Too many )s in '", 0) == 0 || m.prompt.rfind("Missing ) in '", 0) == 0 ||
                                   m.prompt.rfind("表达式不完整,缺少运算数: '", 0) == 0;
                QVERIFY2(knownPrompt, m.prompt.c_str());
            }
            messages.messages.clear();
            QCOMPARE(QApplication::topLevelWidgets().size() >= 1, true);
        }
        // Every window but the main one is gone.
        for (const char* name : {"Form2", "Form3", "Form4", "Form5"}) {
            bool alive = false;
            for (QWidget* w : QApplication::topLevelWidgets()) alive |= w->objectName() == QLatin1String(name);
            QVERIFY2(!alive, name);
        }
        lifecycle->main().close();
        lifecycle.reset();
        QCOMPARE(watchdog.takeSeen(), QString());
    }
};

QTEST_MAIN(SoakTest)
#include "gui_soak_test.moc"
