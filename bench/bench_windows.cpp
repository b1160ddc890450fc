// Opening each window, and the heaviest clicks driven through the real
// widgets (text conversion and the label update included).

#include "app/lifecycle.h"
#include "bench_support.h"
#include "ui/forms.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

template <typename Form>
void open_window(benchmark::State& state) {
    for (auto _ : state) {
        auto* form = new Form();
        form->show();
        QCoreApplication::processEvents();
        delete form;
    }
}

template <typename W>
W* child(QWidget* window, const char* name) {
    return window->findChild<W*>(QString::fromLatin1(name));
}

void click_evaluate_32766_characters(benchmark::State& state) {
    bench::NoMessages messages;
    ui::Form1 form;
    form.setMessageSink(&messages);
    QString sum = QStringLiteral("1");
    while (sum.size() + 2 <= 32766) sum += QStringLiteral("+1");
    child<QLineEdit>(&form, "ExprText")->setText(sum);
    auto* button = child<QPushButton>(&form, "CmdEvaluate");
    for (auto _ : state) button->click();
}

void click_power_2_1660(benchmark::State& state) {
    bench::NoMessages messages;
    ui::Form4 form;
    form.setMessageSink(&messages);
    child<QLineEdit>(&form, "Text2")->setText(QStringLiteral("2"));
    child<QLineEdit>(&form, "Text3")->setText(QStringLiteral("1660"));
    auto* button = child<QPushButton>(&form, "Command2");
    for (auto _ : state) button->click();
}

void click_geometry_32766_places(benchmark::State& state) {
    bench::NoMessages messages;
    ui::Form2 form;
    form.setMessageSink(&messages);
    child<QLineEdit>(&form, "Text13")->setText(QStringLiteral("32766"));
    child<QPushButton>(&form, "Command5")->click();
    child<QLineEdit>(&form, "Text10")->setText(QStringLiteral("0.") + QString(32764, QLatin1Char('7')));
    child<QLineEdit>(&form, "Text11")->setText(QStringLiteral("3"));
    auto* button = child<QPushButton>(&form, "Command3");
    for (auto _ : state) button->click();
}

}  // namespace

BENCHMARK(open_window<ui::Form1>)->Name("open_window/Form1_main");
BENCHMARK(open_window<ui::Form2>)->Name("open_window/Form2_geometry");
BENCHMARK(open_window<ui::Form3>)->Name("open_window/Form3_constants");
BENCHMARK(open_window<ui::Form4>)->Name("open_window/Form4_factorial_power");
BENCHMARK(open_window<ui::Form5>)->Name("open_window/Form5_about");
BENCHMARK(click_evaluate_32766_characters);
BENCHMARK(click_power_2_1660);
BENCHMARK(click_geometry_32766_places);
