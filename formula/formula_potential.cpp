#include "formula_potential.h"

#include <muParser.h>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model.h"
#include "portable_numbers.h"
#include "switch_points.h"

struct FormulaPotential::Engine {
    mutable double x = 0.0;  // muparser reads x through its address
    mu::Parser parser;
    bool even = true;

    double At(double at) const {
        x = at;
        return parser.Eval();
    }
};

namespace {

double Sech(double v) {
    return 1.0 / std::cosh(v);
}

// 15 significant digits, shortest form: -0.01 reads "-0.01", 0 reads "0".
std::string Shortest(double v) {
    char buffer[64];
    const auto [end, ec] =
        portable::ToChars(buffer, buffer + sizeof buffer, v, portable::Notation::General, 15);
    return ec == std::errc() ? std::string(buffer, end) : std::string("?");
}

std::string Quoted(const std::string& token) {
    return "'" + token + "'";
}

// muparser's errors in the program's words: what, and where (muparser counts
// positions from 0).
std::string Describe(const mu::Parser::exception_type& e) {
    const std::string at = " at position " + std::to_string(e.GetPos());
    const std::string token = Quoted(e.GetToken());
    switch (e.GetCode()) {
        case mu::ecUNEXPECTED_OPERATOR:
        case mu::ecUNEXPECTED_ARG_SEP:
        case mu::ecUNEXPECTED_ARG:
        case mu::ecUNEXPECTED_VAL:
        case mu::ecUNEXPECTED_VAR:
        case mu::ecUNEXPECTED_PARENS:
        case mu::ecUNEXPECTED_STR:
        case mu::ecUNEXPECTED_FUN:
        case mu::ecUNEXPECTED_CONDITIONAL:
        case mu::ecMISPLACED_COLON:
            return "unexpected " + token + at;
        case mu::ecUNEXPECTED_EOF:
            return "unexpected end of the formula";
        case mu::ecUNASSIGNABLE_TOKEN:
            return "unknown name or sign " + token + at + " (the variable is x)";
        case mu::ecMISSING_PARENS:
            return "missing ')' at the end of the formula";
        case mu::ecTOO_MANY_PARAMS:
            return "too many arguments for " + token + at;
        case mu::ecTOO_FEW_PARAMS:
            return "too few arguments for " + token + at;
        case mu::ecMISSING_ELSE_CLAUSE:
            return "missing ':' of the '?'" + at;
        case mu::ecEMPTY_EXPRESSION:
            return "the formula is empty";
        default: {
            std::string m = e.GetMsg();
            if (!m.empty() && m[0] >= 'A' && m[0] <= 'Z')
                m[0] = static_cast<char>(m[0] - 'A' + 'a');
            while (!m.empty() && (m.back() == '.' || m.back() == ' '))
                m.pop_back();
            return m;
        }
    }
}

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

}  // namespace

FormulaPotential::FormulaPotential() {
    std::string unused;
    engine_ = Compile("0", unused);
    text_ = "0";
}

FormulaPotential::~FormulaPotential() = default;

std::unique_ptr<FormulaPotential::Engine> FormulaPotential::Compile(std::string_view text,
                                                                    std::string& message) {
    if (text.size() > kMaxLength) {
        message = "the formula is longer than " + std::to_string(kMaxLength) + " characters";
        return nullptr;
    }
    if (IsBlank(text)) {
        message = "the formula is empty";
        return nullptr;
    }
    auto engine = std::make_unique<Engine>();
    try {
        engine->parser.DefineVar("x", &engine->x);
        engine->parser.DefineFun("sech", Sech);
        engine->parser.SetExpr(std::string(text));
        // Parsed on the first evaluation, and several results ("x, 2") are no V(x).
        int results = 0;
        engine->x = 0.0;
        engine->parser.Eval(results);
        if (results != 1) {
            message = "the formula gives " + std::to_string(results) + " values; give one";
            return nullptr;
        }
    } catch (const mu::Parser::exception_type& e) {
        message = Describe(e);
        return nullptr;
    }
    // On the grid, point by point from its left end.
    for (int i = 0; i < model::kSamples; ++i) {
        const double x = i * model::kGridStep + model::kGridMin;
        double v = 0.0;
        try {
            v = engine->At(x);
        } catch (const mu::Parser::exception_type& e) {
            message = Describe(e);
            return nullptr;
        }
        if (!std::isfinite(v)) {
            message = "V is not finite at x = " + Shortest(x);
            return nullptr;
        }
    }
    for (int i = 0; i <= model::kCentreIndex && engine->even; ++i) {
        const double x = i * model::kGridStep + model::kGridMin;
        const double left = engine->At(x);
        const double right = engine->At(-x);
        engine->even = std::fabs(left - right) <= kEvenTolerance * std::fmax(1.0, std::fabs(left));
    }
    return engine;
}

std::optional<std::string> FormulaPotential::Check(std::string_view text) {
    std::string message;
    if (Compile(text, message)) return std::nullopt;
    return message;
}

std::optional<std::string> FormulaPotential::SetText(std::string_view text) {
    std::string message;
    std::unique_ptr<Engine> engine = Compile(text, message);
    if (!engine) return message;
    engine_ = std::move(engine);
    text_ = std::string(text);
    even_ = engine_->even;
    switches_ = SwitchPoints(text_, -kSwitchReach, kSwitchReach);
    return std::nullopt;
}

double FormulaPotential::Value(double x) const {
    try {
        return engine_->At(x);
    } catch (const mu::Parser::exception_type&) {
        return NAN;
    }
}

double FormulaPotential::Derivative(double x) const {
    constexpr double h = 0.001;
    return (Value(x + h) - Value(x - h)) / (2.0 * h);
}
