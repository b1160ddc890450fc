// Results of every length stay readable: a result label keeps its caption on
// its one line, never over the control beside it, and a caption cut at its
// edge is whole in the label's tool tip.

#include "gui_support.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>

using namespace guitest;

namespace {

QString joined(QString tip) { return tip.remove(QLatin1Char('\n')); }

// The first and last columns of the label's picture with ink (darker than
// mid grey) in its middle rows, as fractions of its width: a caption drawn
// on the label's line runs from its left end to its right end.
std::pair<double, double> inkSpan(QLabel* label) {
    const QImage image = label->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    }
    const double w = std::max(1, image.width());
    return {first / w, last / w};
}

}  // namespace

class ResultsTest : public QObject {
    Q_OBJECT

    Harness harness;
    app::Lifecycle* lifecycle = nullptr;

    static void type(QWidget* window, const char* box, const QString& text) {
        control<QLineEdit>(window, box)->setText(text);
    }
    static void click(QWidget* window, const char* button) {
        QTest::mouseClick(control<QPushButton>(window, button), Qt::LeftButton);
    }

    // The label shows its caption on one line within its row: no wrap, no
    // overlap with a neighbour, the whole caption in the tip when cut.
    static void verifyResultLine(QLabel* label, const QString& expected) {
        const QString where = label->window()->objectName() + QLatin1Char('/') + label->objectName();
        QCOMPARE(label->text(), expected);
        QVERIFY2(!label->wordWrap(), qPrintable(where));
        QVERIFY2(label->textInteractionFlags() & Qt::TextSelectableByMouse, qPrintable(where));
        QVERIFY2(label->height() >= label->fontMetrics().height(), qPrintable(where));
        QWidget* window = label->window();
        const QRect me(label->mapTo(window, QPoint()), label->size());
        QVERIFY2(me.right() < window->width(), qPrintable(where));
        for (QWidget* other : window->findChildren<QWidget*>()) {
            QWidget* container = other->parentWidget();
            if (other == label || other->isAncestorOf(label) || other->isHidden() ||
                !(container == window || qobject_cast<QGroupBox*>(container)))
                continue;
            const QRect r(other->mapTo(window, QPoint()), other->size());
            if (r.left() <= me.left()) continue;  // what the label lies on, such as its frame
            const QRect shared = r.intersected(me);
            QVERIFY2(shared.height() < 3 || shared.width() <= 0,
                     qPrintable(where + QStringLiteral(" overlaps ") + other->objectName()));
        }
        const bool cut = label->fontMetrics().horizontalAdvance(expected) > label->width();
        if (cut) {
            QCOMPARE(joined(label->toolTip()), expected);
            for (const QString& line : label->toolTip().split(QLatin1Char('\n')))
                QVERIFY2(line.size() <= 80, qPrintable(where));
            const auto [first, last] = inkSpan(label);
            QVERIFY2(first >= 0 && first < 0.1 && last > 0.85, qPrintable(where));
            // Drawn as its start and "…", as a label of that text draws it.
            QLabel cutAt(label->fontMetrics().elidedText(expected, Qt::ElideRight, label->contentsRect().width()),
                         label->parentWidget());
            QVERIFY2(cutAt.text().endsWith(QChar(0x2026)), qPrintable(where));
            cutAt.setFont(label->font());
            cutAt.setAlignment(label->alignment());
            cutAt.setContentsMargins(label->contentsMargins());
            cutAt.resize(label->size());
            QCOMPARE(label->grab().toImage().convertToFormat(QImage::Format_ARGB32),
                     cutAt.grab().toImage().convertToFormat(QImage::Format_ARGB32));
        } else {
            QVERIFY2(label->toolTip().isEmpty(), qPrintable(where));
        }
    }

private slots:
    void initTestCase() { harness.setUp(); }
    void cleanupTestCase() { harness.tearDown(); }
    void init() {
        QVERIFY(harness.start());
        lifecycle = harness.lifecycle();
    }
    void cleanup() { QCOMPARE(harness.stop(), QString()); }

    void longSumAndProductShowTheirLeadingDigits() {
        QWidget* w = &lifecycle->main();
        QString first(499, QLatin1Char('4'));
        type(w, "Text5", first);
        type(w, "Text6", QStringLiteral("5"));
        click(w, "Command2");
        const QString sum = QString(498, QLatin1Char('4')) + QLatin1Char('9');
        verifyResultLine(control<QLabel>(w, "Label11"), QStringLiteral("结果是:  ") + sum);
        QVERIFY(control<QLabel>(w, "Label11")->fontMetrics().horizontalAdvance(QStringLiteral("结果是:  ")) <
                control<QLabel>(w, "Label11")->width());

        type(w, "Text7", QStringLiteral("12345678901234567890123456789012345678901234567890123456789012345678901234567890"));
        type(w, "Text8", QStringLiteral("1"));
        click(w, "Command4");
        verifyResultLine(control<QLabel>(w, "Label14"),
                         QStringLiteral("结果是:  12345678901234567890123456789012345678901234567890123456789012345678901234567890"));

        // A short result afterwards: whole on the line, no tip.
        type(w, "Text5", QStringLiteral("1"));
        type(w, "Text6", QStringLiteral("2"));
        click(w, "Command2");
        verifyResultLine(control<QLabel>(w, "Label11"), QStringLiteral("结果是:  3"));
        QVERIFY(harness.messages.messages.empty());
    }

    void baseConversionStopsAtItsButton() {
        QWidget* w = &lifecycle->main();
        type(w, "Text2", QStringLiteral("999999999"));
        type(w, "Text4", QStringLiteral("10"));
        type(w, "Text3", QStringLiteral("2"));
        click(w, "Command9");
        verifyResultLine(control<QLabel>(w, "Label6"), QStringLiteral("结果为:111011100110101100100111111111"));
        type(w, "Text3", QStringLiteral("16"));
        click(w, "Command9");
        verifyResultLine(control<QLabel>(w, "Label6"), QStringLiteral("结果为:3B9AC9FF"));
        // An evaluation result is short and stays whole.
        type(w, "ExprText", QStringLiteral("2-2.01"));
        click(w, "CmdEvaluate");
        verifyResultLine(control<QLabel>(w, "ResultLabel"), QStringLiteral("结果是:  -9.99999E-03"));
    }

    void factorialAndPowerResults() {
        lifecycle->Command11_Click();
        QWidget* w = lifecycle->factorial();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        type(w, "Text2", QStringLiteral("2"));
        type(w, "Text3", QStringLiteral("1660"));
        click(w, "Command2");
        QLabel* power = control<QLabel>(w, "Label7");
        QVERIFY(power->text().startsWith(QStringLiteral("结果为:5126167610")));
        QCOMPARE(power->text().size(), 4 + 500);
        verifyResultLine(power, power->text());
        type(w, "Text1", QStringLiteral("253"));
        click(w, "Command1");
        QLabel* factorial = control<QLabel>(w, "Label3");
        QCOMPARE(factorial->text().size(), 4 + 500);
        verifyResultLine(factorial, factorial->text());
    }

    void geometryResultsOfManyPlaces() {
        lifecycle->Command3_Click();
        QWidget* w = lifecycle->geometry();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        type(w, "Text13", QStringLiteral("400"));
        click(w, "Command5");
        type(w, "Text10", QStringLiteral("0.0000000000000000000000000000000000000001"));
        type(w, "Text11", QStringLiteral("1"));
        click(w, "Command3");
        // The re-read results are written by the general rule, short.
        QLabel* ellipse = control<QLabel>(w, "Label18");
        QVERIFY(ellipse->text().startsWith(QStringLiteral("面积为:    3.14159265358")));
        verifyResultLine(ellipse, ellipse->text());

        // The triangle's result is the pattern's text, 400 places long.
        auto* mode = control<QComboBox>(w, "Combo1");
        mode->setCurrentIndex(1);
        type(w, "Text1", QStringLiteral("0.0000000001"));
        type(w, "Text2", QStringLiteral("90"));
        type(w, "Text3", QStringLiteral("0.0000000001"));
        click(w, "Command1");
        QLabel* triangle = control<QLabel>(w, "Label5");
        verifyResultLine(triangle, QStringLiteral("面积为:0.") + QString(20, QLatin1Char('0')) + QLatin1Char('5'));

        auto* volume = control<QComboBox>(w, "Combo2");
        volume->setCurrentIndex(0);
        type(w, "Text12", QStringLiteral("53379126"));
        click(w, "Command4");
        verifyResultLine(control<QLabel>(w, "Label21"), control<QLabel>(w, "Label21")->text());
        QVERIFY(control<QLabel>(w, "Label21")->text().startsWith(QStringLiteral("体积为:    6.370932226955")));

        // Vertices (0, 0), (10^18, 0), (0, 10^19): an area of 5 x 10^36.
        type(w, "Text5", QStringLiteral("1000000000000000000"));
        type(w, "Text9", QStringLiteral("10000000000000000000"));
        click(w, "Command2");
        verifyResultLine(control<QLabel>(w, "Label13"), QStringLiteral("面积为:    5E+36"));
        QVERIFY(harness.messages.messages.empty());
    }
};

int main(int argc, char** argv) { return guitest::runTests<ResultsTest>(argc, argv); }

#include "gui_results_test.moc"
