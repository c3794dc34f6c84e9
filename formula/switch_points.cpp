#include "switch_points.h"

#include <muParser.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double kStep = 0.02;  // the first points' spacing
constexpr int kRounds = 4;
constexpr std::size_t kMostPoints = 2000;
// Closer than this (relative) a feature's points are not told apart.
constexpr double kMinSpacing = 1e-13;

// One switching operation's state at a point: its branch (which side of
// zero its argument is on, which argument a min or max took, the integer
// rint gave) and, where there is one, the argument whose zero it is.
struct Switch {
    bool seen = false;  // not on a branch of ?: that was skipped
    double branch = 0.0;
    double argument = NAN;
    // A smooth function's argument (or a divisor): V has no switch there,
    // but a narrow extremum of the argument is a narrow feature of V.
    bool smooth = false;
};

// What the last of the functions below saw, for the evaluator to keep.
thread_local Switch lastCall;

double Side(double v) {
    return v > 0.0 ? 1.0 : v < 0.0 ? -1.0 : 0.0;
}

double Seen(double argument, double branch, double result) {
    lastCall = {true, branch, argument};
    return result;
}

double Abs(double v) {
    return Seen(v, Side(v), std::fabs(v));
}
double Sign(double v) {
    return Seen(v, Side(v), Side(v));
}
double Rint(double v) {
    return Seen(NAN, std::rint(v), std::rint(v));
}
double Sech(double v) {
    return 1.0 / std::cosh(v);
}

template <bool kMin>
double Extreme(const double* args, int n) {
    int best = 0;
    for (int i = 1; i < n; ++i)
        if (kMin ? args[i] < args[best] : args[i] > args[best]) best = i;
    return Seen(n == 2 ? args[0] - args[1] : NAN, best, args[best]);
}

// The formula's bytecode, evaluated as muparser would, each switching
// operation's state kept by its place in the bytecode.
class Probe {
  public:
    explicit Probe(std::string_view text) {
        parser_.DefineVar("x", &x_);
        parser_.DefineFun("sech", Sech);
        parser_.DefineFun("abs", Abs);
        parser_.DefineFun("sign", Sign);
        parser_.DefineFun("rint", Rint);
        parser_.DefineFun("min", Extreme<true>);
        parser_.DefineFun("max", Extreme<false>);
        parser_.SetExpr(std::string(text));
        parser_.Eval();
        const mu::ParserByteCode& code = parser_.GetByteCode();
        tokens_ = code.GetBase();
        size_ = code.GetSize();
        stack_.assign(size_ + 2, 0.0);
        // A switch for every comparison and function (the others' stay unseen).
        for (std::size_t i = 0; i < size_; ++i) {
            const mu::ECmdCode c = tokens_[i].Cmd;
            const bool switching = c <= mu::cmGT || c == mu::cmFUNC || c == mu::cmDIV;
            slot_.push_back(switching ? static_cast<int>(width_++) : -1);
        }
    }
    // The number of switches.
    std::size_t Size() const { return width_; }

    // The switches at x; false where the bytecode holds something this
    // evaluator does not know.
    bool At(double x, std::vector<Switch>& out) {
        out.resize(width_);
        return At(x, out.data());
    }
    // The same into Size() switches from `out` on.
    bool At(double x, Switch* out) {
        std::fill(out, out + width_, Switch{});
        int top = 0;
        double* s = stack_.data();
        for (std::size_t i = 0; i < size_; ++i) {
            const mu::SToken& t = tokens_[i];
            if (t.Cmd == mu::cmEND) break;
            if (t.Cmd <= mu::cmGT) {
                --top;
                out[slot_[i]] = {true, Side(s[top] - s[top + 1]), s[top] - s[top + 1]};
                s[top] = Compare(t.Cmd, s[top], s[top + 1]);
                continue;
            }
            if (!Step(t, x, s, top, i, out)) return false;
        }
        value_ = s[top];
        return true;
    }
    // V at the point last evaluated.
    double Value() const { return value_; }

  private:
    static double Compare(mu::ECmdCode c, double a, double b) {
        switch (c) {
            case mu::cmLE:
                return a <= b;
            case mu::cmGE:
                return a >= b;
            case mu::cmNEQ:
                return a != b;
            case mu::cmEQ:
                return a == b;
            case mu::cmLT:
                return a < b;
            default:
                return a > b;
        }
    }

    bool Step(const mu::SToken& t, double x, double* s, int& top, std::size_t& i,
              Switch* out) const {
        switch (t.Cmd) {
            case mu::cmADD:
                --top;
                s[top] += s[top + 1];
                return true;
            case mu::cmSUB:
                --top;
                s[top] -= s[top + 1];
                return true;
            case mu::cmMUL:
                --top;
                s[top] *= s[top + 1];
                return true;
            case mu::cmDIV:
                --top;
                out[slot_[i]] = {true, 0.0, s[top + 1], true};
                s[top] /= s[top + 1];
                return true;
            case mu::cmPOW:
                --top;
                s[top] = std::pow(s[top], s[top + 1]);
                return true;
            case mu::cmLAND:
                --top;
                s[top] = s[top] && s[top + 1];
                return true;
            case mu::cmLOR:
                --top;
                s[top] = s[top] || s[top + 1];
                return true;
            case mu::cmIF:
                if (s[top--] == 0.0) i += t.Oprt.offset;
                return true;
            case mu::cmELSE:
                i += t.Oprt.offset;
                return true;
            case mu::cmENDIF:
                return true;
            case mu::cmVAR:
                s[++top] = x;
                return true;
            case mu::cmVAL:
                s[++top] = t.Val.data2;
                return true;
            case mu::cmVARPOW2:
                s[++top] = x * x;
                return true;
            case mu::cmVARPOW3:
                s[++top] = x * x * x;
                return true;
            case mu::cmVARPOW4:
                s[++top] = x * x * x * x;
                return true;
            case mu::cmVARMUL:
                s[++top] = x * t.Val.data + t.Val.data2;
                return true;
            case mu::cmFUNC:
                return Call(t, s, top, out[slot_[i]]);
            default:
                return false;
        }
    }

    static bool Call(const mu::SToken& t, double* s, int& top, Switch& out) {
        lastCall = Switch{};
        const int n = t.Fun.argc;
        const double argument = n == 1 ? s[top] : NAN;
        switch (n) {
            case 0:
                s[++top] = t.Fun.cb.call_fun<0>();
                break;
            case 1:
                s[top] = t.Fun.cb.call_fun<1>(s[top]);
                break;
            case 2:
                --top;
                s[top] = t.Fun.cb.call_fun<2>(s[top], s[top + 1]);
                break;
            case 3:
                top -= 2;
                s[top] = t.Fun.cb.call_fun<3>(s[top], s[top + 1], s[top + 2]);
                break;
            default:
                if (n > 0) return false;
                top -= -n - 1;
                if (top <= 0) return false;
                s[top] = t.Fun.cb.call_multfun(&s[top], -n);
        }
        out = lastCall;
        if (!out.seen && n == 1) out = {true, 0.0, argument, true};
        return true;
    }

    double x_ = 0.0;
    mu::Parser parser_;
    const mu::SToken* tokens_ = nullptr;
    std::size_t size_ = 0;
    std::vector<int> slot_;  // each token's switch, -1 for none
    std::size_t width_ = 0;
    std::vector<double> stack_;
    double value_ = NAN;
};

// Every point looked at, with its switches in one table (a row a point),
// and the order of the points along x.
struct Points {
    std::size_t width = 0;
    std::vector<double> xs, vs;
    std::vector<Switch> table;
    std::vector<char> fresh;  // added in the last round
    std::vector<std::size_t> order;

    const Switch& At(std::size_t i, std::size_t k) const { return table[order[i] * width + k]; }
    double X(std::size_t i) const { return xs[order[i]]; }
    double V(std::size_t i) const { return vs[order[i]]; }
    bool Fresh(std::size_t i) const { return fresh[order[i]] != 0; }
    bool Add(Probe& probe, double x) {
        table.resize(table.size() + width);
        if (!probe.At(x, table.data() + table.size() - width)) {
            table.resize(table.size() - width);
            return false;
        }
        xs.push_back(x);
        vs.push_back(probe.Value());
        fresh.push_back(1);
        return true;
    }
    // Into the order, the points added since it was last brought up to date
    // (the first ones come in increasing x).
    void Sort() {
        std::vector<std::size_t> added;
        for (std::size_t i = order.size(); i < xs.size(); ++i)
            added.push_back(i);
        const auto byX = [this](std::size_t a, std::size_t b) { return xs[a] < xs[b]; };
        std::sort(added.begin(), added.end(), byX);
        std::vector<std::size_t> merged(xs.size());
        std::merge(order.begin(), order.end(), added.begin(), added.end(), merged.begin(), byX);
        order = std::move(merged);
    }
};

// The point between a and b where switch k changes branch, to rounding (or
// where it stops being evaluated, which the next round resolves).
double Bisect(Probe& probe, std::size_t k, double a, double b, double branchA) {
    std::vector<Switch> at;
    for (double mid = 0.5 * (a + b); mid > a && mid < b; mid = 0.5 * (a + b)) {
        if (!probe.At(mid, at) || !at[k].seen) return mid;
        (at[k].branch == branchA ? a : b) = mid;
    }
    return b;
}

// The least |argument| of switch k over [a, b], where it turns back between
// them: the first point found on another branch, if it reaches zero there.
std::vector<double> Dip(Probe& probe, std::size_t k, double a, double b, double branch) {
    std::vector<Switch> at;
    double flipped = NAN;
    const auto size = [&](double x) -> double {
        if (!probe.At(x, at) || !at[k].seen) return INFINITY;
        if (at[k].branch != branch) flipped = x;
        return std::fabs(at[k].argument);
    };
    for (int i = 0; i < 80 && std::isnan(flipped); ++i) {
        const double m1 = a + (b - a) / 3.0;
        const double m2 = b - (b - a) / 3.0;
        if (!(m1 > a && m2 < b && m1 < m2)) break;
        if (size(m1) < size(m2))
            b = m2;
        else
            a = m1;
    }
    if (std::isnan(flipped)) return {};
    return {flipped};
}

// V at x, NAN where the formula cannot be evaluated.
double ValueAt(Probe& probe, double x) {
    std::vector<Switch> at;
    return probe.At(x, at) ? probe.Value() : NAN;
}

// The extremum of smooth switch k's argument over [a, b] (the least value,
// or with `highest` the greatest), by golden-free ternary search.
double Extremum(Probe& probe, std::size_t k, double a, double b, bool highest) {
    std::vector<Switch> at;
    const auto f = [&](double x) -> double {
        if (!probe.At(x, at) || !at[k].seen) return INFINITY;
        return highest ? -at[k].argument : at[k].argument;
    };
    for (int i = 0; i < 100; ++i) {
        const double m1 = a + (b - a) / 3.0;
        const double m2 = b - (b - a) / 3.0;
        if (!(m1 > a && m2 < b && m1 < m2)) break;
        if (f(m1) < f(m2))
            b = m2;
        else
            a = m1;
    }
    return 0.5 * (a + b);
}

// Whether V near x, between the points a < x < b it lies between, departs
// from the parabola through V at a, x and b by more than a smooth V would:
// a feature narrower than the points' spacing.
bool Narrow(Probe& probe, double a, double x, double b) {
    const double va = ValueAt(probe, a);
    const double vx = ValueAt(probe, x);
    const double vb = ValueAt(probe, b);
    const auto parabola = [&](double t) {
        return va * (t - x) * (t - b) / ((a - x) * (a - b)) +
               vx * (t - a) * (t - b) / ((x - a) * (x - b)) +
               vb * (t - a) * (t - x) / ((b - a) * (b - x));
    };
    // What the points see of V's bending there: a smooth V departs from the
    // parabola by far less (its fourth-order term), a narrow feature by as
    // much or more.
    const double half = 0.5 * (b - a);
    const double bending =
        std::fabs(va / ((a - x) * (a - b)) + vx / ((x - a) * (x - b)) + vb / ((b - a) * (b - x))) *
        half * half;
    const double scale = std::max({1.0, std::fabs(va), std::fabs(vx), std::fabs(vb)});
    for (double t : {0.5 * (a + x), 0.5 * (x + b)}) {
        const double v = ValueAt(probe, t);
        if (!(std::fabs(v - parabola(t)) <= 1e-3 * bending + 1e-12 * scale)) return true;
    }
    return false;
}

// Points at x +- d for d halving from `reach` until V about x is a parabola
// at that scale (its second differences shrink fourfold a halving), and two
// halvings more: a mesh with these among its points resolves the feature.
void Cluster(Probe& probe, double x, double reach, std::vector<double>& found) {
    const double vx = ValueAt(probe, x);
    const auto second = [&](double d) {
        return ValueAt(probe, x + d) - 2.0 * vx + ValueAt(probe, x - d);
    };
    int beyond = -1;
    double now = second(reach);
    for (double d = reach; d > 4.0 * kMinSpacing * std::fmax(1.0, std::fabs(x)) && beyond != 0;
         d *= 0.5) {
        found.push_back(x - d);
        found.push_back(x + d);
        const double half = second(0.5 * d);
        const bool parabola = std::fabs(now - 4.0 * half) <=
                              0.05 * std::fabs(now) + 1e-13 * std::fmax(1.0, std::fabs(vx));
        if (beyond < 0 && parabola) beyond = 2;
        if (beyond > 0) --beyond;
        now = half;  // the next halving's second difference at d
    }
    found.push_back(x);
}

// A smooth function's argument between points: where it turns back (an
// extremum, a bump or a dip of V however narrow) and where it crosses zero
// by more than 1 between two points (a smooth step narrower than they are).
void SmoothFeature(Probe& probe, const Points& points, std::size_t i, std::size_t k,
                   std::vector<double>& found) {
    const Switch& a = points.At(i, k);
    const Switch& b = points.At(i + 1, k);
    if (!b.seen || !std::isfinite(b.argument)) return;
    const double xa = points.X(i);
    const double xb = points.X(i + 1);
    if ((a.argument < 0.0) != (b.argument < 0.0) && std::fabs(b.argument - a.argument) > 1.0) {
        double lo = xa, hi = xb;
        std::vector<Switch> at;
        for (double mid = 0.5 * (lo + hi); mid > lo && mid < hi; mid = 0.5 * (lo + hi)) {
            if (!probe.At(mid, at) || !at[k].seen) break;
            ((at[k].argument < 0.0) == (a.argument < 0.0) ? lo : hi) = mid;
        }
        Cluster(probe, 0.5 * (lo + hi), 0.5 * (xb - xa), found);
    }
    if (i == 0) return;
    const Switch& before = points.At(i - 1, k);
    if (!before.seen || !std::isfinite(before.argument)) return;
    const bool lowest = a.argument < before.argument && a.argument < b.argument;
    const bool highest = a.argument > before.argument && a.argument > b.argument;
    if (!lowest && !highest) return;
    const double x = Extremum(probe, k, points.X(i - 1), xb, highest);
    const double spacing = std::fmin(x - points.X(i - 1), xb - x);
    if (spacing > 0.0 && Narrow(probe, points.X(i - 1), x, xb))
        Cluster(probe, x, std::fmin(0.5 * (xb - points.X(i - 1)), 0.5 * kStep), found);
}

// The new points one pass over neighbouring points finds: changes of
// branch, bisected, and dips of an argument towards zero, searched.
void Pass(Probe& probe, const Points& points, std::vector<double>& found,
          std::vector<double>& extra) {
    for (std::size_t i = 0; i + 1 < points.xs.size(); ++i) {
        if (!points.Fresh(i) && !points.Fresh(i + 1) && (i == 0 || !points.Fresh(i - 1))) continue;
        if (!(points.X(i) < points.X(i + 1))) continue;
        for (std::size_t k = 0; k < probe.Size(); ++k) {
            const Switch& a = points.At(i, k);
            const Switch& b = points.At(i + 1, k);
            if (a.smooth) {
                if (a.seen && std::isfinite(a.argument)) SmoothFeature(probe, points, i, k, found);
                continue;
            }
            if (a.seen && b.seen && a.branch != b.branch) {
                const double at = Bisect(probe, k, points.X(i), points.X(i + 1), a.branch);
                found.push_back(at);
                extra.push_back(at);
            }
            if (i == 0 || !a.seen || !b.seen || !std::isfinite(a.argument)) continue;
            const Switch& before = points.At(i - 1, k);
            if (before.seen && before.branch == a.branch && a.branch == b.branch &&
                std::fabs(a.argument) < std::fabs(before.argument) &&
                std::fabs(a.argument) < std::fabs(b.argument))
                for (double x : Dip(probe, k, points.X(i - 1), points.X(i + 1), a.branch))
                    extra.push_back(x);
        }
    }
}

}  // namespace

std::vector<double> SwitchPoints(std::string_view text, double from, double to) {
    std::vector<double> found;
    try {
        Probe probe(text);
        Points points;
        points.width = probe.Size();
        const int n = static_cast<int>(std::ceil((to - from) / kStep));
        points.table.reserve((n + 1) * points.width);
        points.xs.reserve(n + 1);
        for (int i = 0; i <= n; ++i)
            if (!points.Add(probe, from + (to - from) * i / n)) return {};
        points.Sort();
        for (int round = 0; round < kRounds && found.size() < kMostPoints; ++round) {
            std::vector<double> extra;
            Pass(probe, points, found, extra);
            std::fill(points.fresh.begin(), points.fresh.end(), 0);
            if (extra.empty()) break;
            for (double x : extra)
                points.Add(probe, x);
            points.Sort();
        }
    } catch (const mu::Parser::exception_type&) {
        return {};
    }
    // Both ends of a bisection may come back for the same switch.
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end(),
                            [](double a, double b) {
                                return b - a <= 1e-15 * std::fmax(1.0, std::fabs(b));
                            }),
                found.end());
    if (found.size() > kMostPoints) found.resize(kMostPoints);
    return found;
}
