// Prints what every calculator answers to a large, fixed table of inputs,
// one line each: the calculator, the inputs and the answer (the new caption
// or display, then any messages). The inputs are drawn from a fixed seed
// with the program's own generator, so every build, on every machine, reads
// the same table; builds that compute alike print identical files.
//
//   qorvi-answers [count]   (default 300000 lines)

#include "bignum/commands.h"
#include "tests/recording_messages.h"
#include "calc/base_conversion.h"
#include "calc/four_function.h"
#include "calc/trig.h"
#include "eval/command.h"
#include "geometry/geometry.h"
#include "runtime/message_sink.h"
#include "tests/draw.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using testdraw::Draw;

// A number as a user types it: whole, decimal, signed, sometimes large
// or tiny, sometimes with an exponent (which some calculators refuse).
std::string typedNumber(Draw& d, bool allowExponent) {
    std::string s;
    if (d.chance(15)) s += '-';
    // One draw a statement: the order of draws must not depend on the
    // compiler's order of evaluation.
    switch (d.below(6)) {
    case 0: s += std::to_string(d.below(10)); break;
    case 1: s += std::to_string(d.below(1000)); break;
    case 2:
        s += std::to_string(d.below(100000));
        s += '.';
        s += d.digits(1 + d.below(4));
        break;
    case 3:
        s += d.digits(1 + d.below(12));
        s += '.';
        s += d.digits(1 + d.below(10));
        break;
    case 4:
        s += "0.";
        s += std::string(static_cast<size_t>(d.below(8)), '0');
        s += d.digits(1 + d.below(8));
        break;
    default: s += std::to_string(1 + d.below(400)); break;
    }
    if (allowExponent && d.chance(10)) {
        s += 'e';
        s += std::to_string(d.below(80) - 40);
    }
    return s;
}

std::string messagesOf(testing_support::RecordingMessages& m) {
    std::string s;
    for (const auto& msg : m.messages) s += " !" + msg.prompt;
    m.messages.clear();
    return s;
}

std::string shown(const std::optional<std::string>& caption) { return caption ? *caption : std::string("-"); }

// The answer and then the messages its computation showed: the answer is
// computed before the messages are read (an argument of its own).
std::string answer(std::string result, testing_support::RecordingMessages& m) { return result + messagesOf(m); }

struct Printer {
    long left;
    bool line(const std::string& text) {
        if (left-- <= 0) return false;
        std::fputs(text.c_str(), stdout);
        std::fputc('\n', stdout);
        return true;
    }
};

std::string expression(Draw& d, int depth) {
    static const char* const ops[] = {"+", "-", "*", "/", "^", "\\", "%"};
    if (depth <= 0 || d.chance(30)) {
        if (d.chance(12)) {
            static const char* const fns[] = {"sin(", "cos(", "tan(", "sqr(", "SIN(", "Tan("};
            std::string call = fns[d.below(6)];
            call += expression(d, depth - 1);
            return call + ")";
        }
        return typedNumber(d, true);
    }
    std::string left = expression(d, depth - 1), right = expression(d, depth - 1);
    const char* op = ops[d.below(7)];
    if (op[0] == '^' && d.chance(70)) right = std::to_string(d.below(9) - 2);  // mostly modest powers
    std::string e = left + op + right;
    return d.chance(25) ? "(" + e + ")" : e;
}

}  // namespace

int main(int argc, char** argv) {
    const long total = argc > 1 ? std::atol(argv[1]) : 300000;
    Printer out{total};
    testing_support::RecordingMessages m;

    // Answers that once differed between machines.
    out.line("tan|249|" + answer(shown(calc::trigKey(calc::TrigFunction::Tan, "249", m)), m));
    {
        geometry::GeometryCalculators g;
        g.Form_Load();
        out.line("sphere|53379126|" + answer(shown(g.Command4_Click(geometry::kVolume, "53379126", m)), m));
        out.line("ellipse|5318396539.43 5619.72|" + answer(shown(g.Command3_Click("5318396539.43", "5619.72", m)), m));
    }

    // Each round asks every calculator once, so a short run covers them all.
    Draw d(20261208);
    calc::FourFunctionCalculator keys;
    keys.Form_Load();
    static const calc::TrigFunction trig[] = {calc::TrigFunction::Tan, calc::TrigFunction::Cos, calc::TrigFunction::Sin};
    static const char* const trigNames[] = {"tan", "cos", "sin"};
    static const char* const sphereOptions[] = {geometry::kVolume, geometry::kSurface};
    static const char* const coneOptions[] = {geometry::kRadiusAndHeight, geometry::kBaseAndHeight};
    static const char* const triangleModes[] = {geometry::kThreeSides, geometry::kTwoSidesAndAngle};
    for (long round = 0;; ++round) {
        // Expressions: three per round, the busiest calculator.
        for (int i = 0; i < 3; ++i) {
            std::string e = expression(d, 1 + d.below(4));
            if (!out.line("expr|" + e + "|" + answer(eval::evaluateCommand(e, m), m))) return 0;
        }
        // Trigonometric keys: whole degrees, decimals and large angles.
        for (int i = 0; i < 2; ++i) {
            int f = d.below(3);
            std::string deg = d.chance(50) ? std::to_string(d.below(1441) - 720) : typedNumber(d, false);
            if (!out.line(std::string(trigNames[f]) + "|" + deg + "|" + answer(shown(calc::trigKey(trig[f], deg, m)), m)))
                return 0;
        }
        {
            std::string deg = typedNumber(d, false);
            if (!out.line("radians|" + deg + "|" + answer(shown(calc::Command13_Click(deg, m)), m))) return 0;
        }
        // The four-function calculator, a key at a time: an operand and a key.
        {
            std::string operand = typedNumber(d, false);
            const int key = d.below(5);
            const calc::KeyOutcome o = key == 4 ? keys.Command8_Click(operand, m) : keys.Command1_Click(key + 1, operand, m);
            if (!out.line("keys|" + operand + " " + "+-*/="[key] + "|" + answer(o.accepted ? o.display : "-", m)))
                return 0;
        }
        {
            std::string n = d.digits(1 + d.below(9)), from = std::to_string(d.below(17)), to = std::to_string(2 + d.below(35));
            if (!out.line("base|" + n + " " + from + " " + to + "|" + answer(shown(calc::Command9_Click(n, from, to, m)), m)))
                return 0;
        }
        if (round % 4 == 0) {
            std::string a = d.digits(1 + d.below(120)), b = d.digits(1 + d.below(120));
            if (!out.line("add|" + a + " " + b + "|" + answer(shown(bignum::addCommand(a, b, m)), m))) return 0;
            std::string c = d.digits(1 + d.below(80)), k = typedNumber(d, false);
            if (!out.line("mul|" + c + " " + k + "|" + answer(shown(bignum::multiplyCommand(c, k, m)), m))) return 0;
        }
        if (round % 16 == 0) {
            std::string k = std::to_string(d.below(80)), b = std::to_string(d.below(40)), e = std::to_string(d.below(60));
            if (!out.line("factorial|" + k + "|" + answer(shown(bignum::factorialCommand(k, m)), m))) return 0;
            if (!out.line("power|" + b + " " + e + "|" + answer(shown(bignum::powerCommand(b, e, m)), m))) return 0;
        }
        // Geometry, with a count of decimal places drawn each round.
        {
            geometry::GeometryCalculators g;
            g.Form_Load();
            std::string places = std::to_string(d.below(9));
            g.Command5_Click(places, m);
            std::string a = typedNumber(d, false), b = typedNumber(d, false), c = typedNumber(d, false);
            const char* mode = triangleModes[d.below(2)];
            if (!out.line("triangle|" + places + " " + mode + " " + a + " " + b + " " + c + "|" +
                          answer(shown(g.Command1_Click(mode, a, b, c, m)), m)))
                return 0;
            std::vector<std::string> v;
            for (int i = 0; i < 6; ++i) v.push_back(typedNumber(d, false));
            if (!out.line("vertices|" + places + " " + v[0] + " " + v[1] + " " + v[2] + " " + v[3] + " " + v[4] + " " + v[5] +
                          "|" + answer(shown(g.Command2_Click(v[0], v[1], v[2], v[3], v[4], v[5], m)), m)))
                return 0;
            if (!out.line("ellipse|" + places + " " + a + " " + b + "|" + answer(shown(g.Command3_Click(a, b, m)), m)))
                return 0;
            const char* sphere = sphereOptions[d.below(2)];
            if (!out.line("sphere|" + places + " " + sphere + " " + c + "|" + answer(shown(g.Command4_Click(sphere, c, m)), m)))
                return 0;
            const char* cone = coneOptions[d.below(2)];
            if (!out.line("cone|" + places + " " + cone + " " + a + " " + c + "|" +
                          answer(shown(g.Command6_Click(cone, a, c, m)), m)))
                return 0;
        }
    }
}
