#include "eval/evaluate.h"

#include "runtime/convert.h"
#include "runtime/elementary.h"
#include "runtime/error.h"
#include "runtime/text.h"

#include <climits>
#include <cmath>
#include <string>
#include <vector>

namespace eval {
namespace {

using runtime::RuntimeError;

constexpr size_t kMaxLength = 32766;

bool isOperatorChar(char c) {
    return c == '^' || c == '*' || c == '/' || c == '\\' || c == '%' || c == '+' || c == '-';
}

// Precedence of an operator character; 0 when it does not split here
// (a "+" or "-" that is a sign).
int8_t precedence(char c, bool signPosition) {
    switch (c) {
    case '^': return 9;
    case '*':
    case '/': return 8;
    case '\\': return 6;
    case '%': return 5;
    case '+':
    case '-': return signPosition ? 0 : 4;
    default: return 0;
    }
}

std::string quoted(const char* head, std::string_view expression, const char* tail) {
    std::string s(head);
    s.append(expression);
    s.append(tail);
    return s;
}

RuntimeError tooManyClosing(std::string_view expression) {
    return RuntimeError(kTooManyClosing, kEvaluatorSource, quoted("Too many )s in '", expression, "'"));
}

RuntimeError missingClosing(std::string_view expression) {
    return RuntimeError(kMissingClosing, kEvaluatorSource, quoted("Missing ) in '", expression, "'"));
}

RuntimeError missingOperand(std::string_view expression) {
    return RuntimeError(runtime::kTypeMismatch, kEvaluatorSource, quoted(kMissingOperand, expression, "'"));
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Is the "+" or "-" at `i` the sign of a number's exponent, as in 1e-5 or
// 1.74532925199433E-02? It is when an "E" or "e" stands right before it and
// a decimal mantissa (digits, points, group commas) before that, from the
// start of the text, a blank, a "(" or an operator on.
bool exponentSign(std::string_view text, size_t i) {
    const char c = text[i];
    if ((c != '+' && c != '-') || i < 2 || (text[i - 1] != 'e' && text[i - 1] != 'E')) return false;
    bool digit = false;
    for (size_t j = i - 1; j-- > 0;) {
        const char m = text[j];
        if (isDigit(m)) digit = true;
        else if (m == '.' || m == ',') continue;
        else return digit && (m == ' ' || m == '(' || isOperatorChar(m));
    }
    return digit;
}

std::string_view trimBlanks(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

// The test after "*", "/", "+", "-" and a sign: a result beyond the single
// range, or an invalid operation, is an overflow.
float checkedSingle(double value) {
    if (std::isnan(value)) throw RuntimeError(runtime::kOverflow);
    return runtime::roundToSingle(value);
}

// A function's or a power's result is rounded to single without that test:
// an infinity goes on to the next step, which reports it if it is checked
// there. Only an invalid result (not a number) is refused at once.
float untestedSingle(float value) {
    if (std::isnan(value)) throw RuntimeError(runtime::kOverflow);
    return value;
}

float combine(char op, float a, float b) {
    switch (op) {
    case '^': return untestedSingle(runtime::powerToSingle(a, b));
    case '*': return checkedSingle(static_cast<double>(a) * b);
    case '/':
        if (b == 0) throw RuntimeError(a != 0 ? runtime::kDivisionByZero : runtime::kOverflow);
        return checkedSingle(static_cast<double>(a) / b);
    case '+': return checkedSingle(static_cast<double>(a) + b);
    case '-': return checkedSingle(static_cast<double>(a) - b);
    case '\\':
    case '%': {
        int32_t x = runtime::toInt32(a);
        int32_t y = runtime::toInt32(b);
        if (y == 0) throw RuntimeError(runtime::kDivisionByZero);
        if (x == INT32_MIN && y == -1) {
            if (op == '%') return 0;
            throw RuntimeError(runtime::kOverflow);
        }
        return static_cast<float>(op == '\\' ? x / y : x % y);
    }
    }
    return 0;
}

enum class Function : uint8_t { Sin, Cos, Tan, Sqr };

float applyFunction(Function f, float x) {
    using runtime::Elementary;
    switch (f) {
    case Function::Sin: return untestedSingle(runtime::functionToSingle(Elementary::Sin, x));
    case Function::Cos: return untestedSingle(runtime::functionToSingle(Elementary::Cos, x));
    case Function::Tan: return untestedSingle(runtime::functionToSingle(Elementary::Tan, x));
    case Function::Sqr:
        if (x < 0) throw RuntimeError(runtime::kInvalidArgument);
        // IEEE square roots are correctly rounded everywhere.
        return untestedSingle(static_cast<float>(std::sqrt(static_cast<double>(x))));
    }
    return 0;
}

bool functionPrefix(std::string_view s, Function& f) {
    char p[4];
    for (int i = 0; i < 4; ++i) {
        char c = s[static_cast<size_t>(i)];
        p[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    if (p[3] != '(') return false;
    std::string_view name(p, 3);
    if (name == "sin") f = Function::Sin;
    else if (name == "cos") f = Function::Cos;
    else if (name == "tan") f = Function::Tan;
    else if (name == "sqr") f = Function::Sqr;
    else return false;
    return true;
}

// The structure of one text, found in a single scan: the matching ")" of
// every "(", and for the direct contents of every parenthesis pair (and for
// the whole text) a Cartesian tree of its splitting operators. The root of a
// range's tree is the operator the evaluation splits at: the lowest
// precedence, the rightmost of equal ones. The two sides of a split are the
// node's subtrees, so no level rescans what an enclosing level scanned.
class Structure {
public:
    void build(std::string_view text) {
        const size_t n = text.size();
        // Entries are written before they are read: match_ for every "(",
        // the tree links for every splitting operator, root_ for every pair.
        if (match_.size() < n) {
            match_.resize(n);
            left_.resize(n);
            right_.resize(n);
            precedence_.resize(n);
            root_.resize(n + 1);
        }
        spine_.clear();
        groups_.clear();
        groups_.push_back({-1, 0, true});

        for (size_t i = 0; i < n; ++i) {
            const char c = text[i];
            const int32_t pos = static_cast<int32_t>(i);
            if (c == ' ') continue;
            if (c == '(') {
                groups_.back().signPosition = false;
                groups_.push_back({pos, spine_.size(), true});
            } else if (c == ')') {
                if (groups_.size() == 1) throw tooManyClosing(text);
                closeGroup();
                match_[static_cast<size_t>(groups_.back().open)] = pos;
                groups_.pop_back();
                groups_.back().signPosition = false;
            } else if (isOperatorChar(c) && !exponentSign(text, i)) {
                Group& g = groups_.back();
                int8_t p = precedence(c, g.signPosition);
                g.signPosition = true;
                if (p != 0) insert(pos, p, g.spineBase);
            } else {
                groups_.back().signPosition = false;
            }
        }
        if (groups_.size() != 1) throw missingClosing(text);
        closeGroup();
    }

    int32_t match(int32_t open) const { return match_[static_cast<size_t>(open)]; }
    int32_t left(int32_t node) const { return left_[static_cast<size_t>(node)]; }
    int32_t right(int32_t node) const { return right_[static_cast<size_t>(node)]; }
    // Root of the contents of the pair opened at `open`; -1 for the whole text.
    int32_t rootOf(int32_t open) const { return root_[static_cast<size_t>(open + 1)]; }

private:
    struct Group {
        int32_t open;
        size_t spineBase;
        bool signPosition;  // would a "+" or "-" met now be a sign?
    };

    void insert(int32_t pos, int8_t p, size_t base) {
        int32_t last = -1;
        while (spine_.size() > base && precedence_[static_cast<size_t>(spine_.back())] >= p) {
            last = spine_.back();
            spine_.pop_back();
        }
        precedence_[static_cast<size_t>(pos)] = p;
        left_[static_cast<size_t>(pos)] = last;
        right_[static_cast<size_t>(pos)] = -1;
        if (spine_.size() > base) right_[static_cast<size_t>(spine_.back())] = pos;
        spine_.push_back(pos);
    }

    void closeGroup() {
        const Group& g = groups_.back();
        root_[static_cast<size_t>(g.open + 1)] =
            spine_.size() > g.spineBase ? spine_[g.spineBase] : -1;
        spine_.resize(g.spineBase);
    }

    std::vector<int32_t> match_, left_, right_, root_, spine_;
    std::vector<int8_t> precedence_;
    std::vector<Group> groups_;
};

enum class TaskKind : uint8_t { Evaluate, Combine, Negate, Apply, Missing };

struct Task {
    TaskKind kind;
    char op;        // Combine: the operator; Apply: the function
    int32_t begin;  // Evaluate: the range of the text
    int32_t end;
    int32_t node;   // Evaluate: root of the range's operators, or -1
};

bool leftFirst(char op) { return op == '\\' || op == '%'; }

class Evaluator {
public:
    float run(std::string_view expression) {
        std::string_view text = trimBlanks(expression);
        // A UTF-8 text never has more UTF-16 units than bytes.
        if (text.size() > kMaxLength && runtime::utf16Length(text) > kMaxLength)
            throw RuntimeError(runtime::kOverflow);
        if (text.empty()) return 0;
        structure_.build(text);
        text_ = text;

        // Every task pushes at most three and pops one, once per character
        // at most, so both stacks stay within these bounds.
        const size_t bound = 2 * text.size() + 8;
        if (tasks_.size() < bound) {
            tasks_.resize(bound);
            values_.resize(bound);
        }
        taskTop_ = 0;
        valueTop_ = 0;
        pushEvaluate(0, static_cast<int32_t>(text.size()), structure_.rootOf(-1));
        while (taskTop_ > 0) {
            const Task t = tasks_[--taskTop_];
            switch (t.kind) {
            case TaskKind::Evaluate: evaluate(t.begin, t.end, t.node); break;
            case TaskKind::Combine: {
                float first = pop();
                float second = pop();
                // The operand evaluated first lies deeper on the stack.
                pushValue(leftFirst(t.op) ? combine(t.op, second, first)
                                          : combine(t.op, first, second));
                break;
            }
            case TaskKind::Negate: {
                const float v = checkedSingle(pop());
                pushValue(t.op ? -v : v);
                break;
            }
            case TaskKind::Apply:
                pushValue(applyFunction(static_cast<Function>(t.op), pop()));
                break;
            case TaskKind::Missing: throw missingOperand(slice(t.begin, t.end));
            }
        }
        return pop();
    }

private:
    float pop() { return values_[--valueTop_]; }
    void pushValue(float v) { values_[valueTop_++] = v; }

    void push(TaskKind kind, char op = 0) { tasks_[taskTop_++] = {kind, op, 0, 0, -1}; }
    void pushEvaluate(int32_t begin, int32_t end, int32_t node) {
        tasks_[taskTop_++] = {TaskKind::Evaluate, 0, begin, end, node};
    }
    // An operand of the level [levelBegin, levelEnd): a blank one is an
    // error of that level, raised when the operand's turn comes.
    void pushOperand(int32_t begin, int32_t end, int32_t node, int32_t levelBegin, int32_t levelEnd) {
        while (begin < end && at(begin) == ' ') ++begin;
        if (begin == end) tasks_[taskTop_++] = {TaskKind::Missing, 0, levelBegin, levelEnd, -1};
        else pushEvaluate(begin, end, node);
    }

    std::string_view slice(int32_t begin, int32_t end) const {
        return text_.substr(static_cast<size_t>(begin), static_cast<size_t>(end - begin));
    }
    char at(int32_t i) const { return text_[static_cast<size_t>(i)]; }

    // Evaluates a range that is not blank.
    void evaluate(int32_t begin, int32_t end, int32_t node) {
        while (begin < end && at(begin) == ' ') ++begin;
        while (end > begin && at(end - 1) == ' ') --end;
        const int32_t levelEnd = end;

        if (node >= 0) {
            const char op = at(node);
            push(TaskKind::Combine, op);
            if (leftFirst(op)) {
                pushOperand(node + 1, end, structure_.right(node), begin, end);
                pushOperand(begin, node, structure_.left(node), begin, end);
            } else {
                pushOperand(begin, node, structure_.left(node), begin, end);
                pushOperand(node + 1, end, structure_.right(node), begin, end);
            }
            return;
        }

        // Leading signs: each "-" negates the value of the text after it
        // (a tested step: an infinity there is an overflow) and each "+"
        // leaves it as it is. A run of them is taken in one step.
        bool negate = false, anyMinus = false;
        int32_t lastSign = begin;
        while (begin < end && (at(begin) == '-' || at(begin) == '+')) {
            negate ^= at(begin) == '-';
            anyMinus |= at(begin) == '-';
            lastSign = begin++;
            while (begin < end && at(begin) == ' ') ++begin;
        }
        if (anyMinus) push(TaskKind::Negate, negate ? 1 : 0);
        if (begin == end) {
            // The last sign of the run is the one without an operand.
            pushOperand(begin, end, -1, lastSign, levelEnd);
            return;
        }

        const char last = at(end - 1);
        if (parenthesized(begin, end)) {
            enterParentheses(begin, begin + 1, end - 1, begin, end);
            return;
        }
        Function f;
        if (last == ')' && end - begin > 5 && functionPrefix(slice(begin, begin + 4), f)) {
            push(TaskKind::Apply, static_cast<char>(f));
            enterParentheses(begin + 3, begin + 4, end - 1, begin, end);
            return;
        }
        std::string_view constant = slice(begin, end);
        try {
            pushValue(runtime::strictToSingle(constant));
        } catch (const RuntimeError& e) {
            throw RuntimeError(e.number(), kEvaluatorSource,
                               quoted("Error evaluating '", constant, "' as a constant."));
        }
    }

    bool parenthesized(int32_t begin, int32_t end) const {
        return at(begin) == '(' && at(end - 1) == ')';
    }

    // Evaluates the text between the "(" at `open` and the ")" before `end`.
    // When that "(" closes earlier, the inner text has a ")" too many.
    void enterParentheses(int32_t open, int32_t begin, int32_t end, int32_t levelBegin, int32_t levelEnd) {
        if (structure_.match(open) != end) throw tooManyClosing(trimBlanks(slice(begin, end)));
        pushOperand(begin, end, structure_.rootOf(open), levelBegin, levelEnd);
    }

    Structure structure_;
    std::string_view text_;
    std::vector<Task> tasks_;
    std::vector<float> values_;
    size_t taskTop_ = 0;
    size_t valueTop_ = 0;
};

}  // namespace

float EvaluateExpr(std::string_view expression) {
    thread_local Evaluator evaluator;
    return evaluator.run(expression);
}

}  // namespace eval
