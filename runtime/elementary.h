#pragma once
// Elementary functions that give the same answer on every machine: the
// exact mathematical value rounded once to the nearest double (GNU MPFR),
// and, for results kept as singles, that double rounded on to a single.
// Arguments and results follow IEEE 754: infinities and NaNs pass through
// as the C library's functions pass them.

namespace runtime {

enum class Elementary { Sin, Cos, Tan };

// f(x), x in radians, rounded once to double.
double exactFunction(Elementary f, double x);
// x raised to y (C's pow, without its error cases), rounded once to double.
double exactPow(double x, double y);

// The same results rounded on to single: exactly (float)exactFunction(f, x)
// and (float)exactPow(x, y). The C library's value is used when every
// double within a few units in its last place of it rounds to the same
// single: the library errs by at most one such unit, so the exact value
// rounds there too. Only values close to a boundary between two singles
// are computed exactly.
float functionToSingle(Elementary f, double x);
float powToSingle(double x, double y);

// The test behind the fast paths: true, with `out` set, when every double
// within a few units in the last place of `fast` rounds to the same single
// (the same bits: a zero keeps its sign only when it is sure).
bool sureSingle(double fast, float& out);

}  // namespace runtime
