#include "json_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace cli {

namespace {

std::string Escaped(const std::string& text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (u < 0x20) {
                    out.append("\\u00").push_back(kHex[u >> 4]);
                    out.push_back(kHex[u & 0xf]);
                } else {
                    out.push_back(c);
                }
        }
    }
    return out;
}

// A whole number that a 64-bit integer holds is written as one (100000, not
// 1e+05); any other number in its shortest form.
std::string NumberText(double value) {
    if (value == std::trunc(value) && std::abs(value) <= 0x1p53)
        return std::to_string(static_cast<std::int64_t>(value));
    return ShortestNumber(value);
}

void Append(const JsonValue& value, std::string& out, int depth, bool indented);

// The members of a list or an object, each on a line of its own when indented.
template <class Items, class Write>
void AppendItems(const Items& items, std::string& out, int depth, bool indented, Write write) {
    const std::string indent(indented ? 4 * static_cast<std::size_t>(depth + 1) : 0, ' ');
    bool first = true;
    for (const auto& item : items) {
        if (!first) out += indented ? ",\n" : ",";
        first = false;
        out += indent;
        write(item);
    }
    if (indented && !first) out += "\n";
    if (indented) out.append(4 * static_cast<std::size_t>(depth), ' ');
}

void Append(const JsonValue& value, std::string& out, int depth, bool indented) {
    switch (value.type()) {
        case JsonValue::value_t::object:
            out += indented ? "{\n" : "{";
            AppendItems(value.items(), out, depth, indented, [&](const auto& item) {
                out += "\"" + Escaped(item.key()) + (indented ? "\": " : "\":");
                Append(item.value(), out, depth + 1, indented);
            });
            out += "}";
            break;
        case JsonValue::value_t::array:
            out += indented ? "[\n" : "[";
            AppendItems(value, out, depth, indented,
                        [&](const JsonValue& item) { Append(item, out, depth + 1, indented); });
            out += "]";
            break;
        case JsonValue::value_t::string:
            out += "\"" + Escaped(value.get_ref<const std::string&>()) + "\"";
            break;
        case JsonValue::value_t::boolean:
            out += value.get<bool>() ? "true" : "false";
            break;
        case JsonValue::value_t::number_integer:
            out += std::to_string(value.get<std::int64_t>());
            break;
        case JsonValue::value_t::number_unsigned:
            out += std::to_string(value.get<std::uint64_t>());
            break;
        case JsonValue::value_t::number_float:
            out += NumberText(value.get<double>());
            break;
        default:
            out += "null";
    }
}

}  // namespace

std::string ShortestNumber(double value) {
    if (!std::isfinite(value)) return "null";
    if (value == 0.0) return "0";
    // The shortest digits that read back exactly, d.ddde[+-]x.
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value),
                                         std::chars_format::scientific);
    const std::string text(buffer, end);
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + (e > 1 ? text.substr(2, e - 2) : "");
    const int count = static_cast<int>(digits.size());
    const int point = std::atoi(text.c_str() + e + 1) + 1;  // digits before the decimal point
    // Exponent form costs "e+xx" and a point after the first digit; decimal
    // form costs the zeros between the digits and the point. The shorter
    // wins, the decimal form when they tie.
    int bias = 4;
    if (count <= point && count > 1)
        ++bias;
    else if (count == 1 && point <= 0)
        --bias;
    const bool decimal = point <= 0       ? 1 - point <= bias
                         : point <= count ? true
                                          : point <= count + bias;
    std::string out = value < 0 ? "-" : "";
    if (decimal) {
        if (point <= 0)
            out += "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
        else if (point >= count)
            out += digits + std::string(static_cast<std::size_t>(point - count), '0');
        else
            out += digits.substr(0, static_cast<std::size_t>(point)) + "." +
                   digits.substr(static_cast<std::size_t>(point));
        return out;
    }
    out += digits.substr(0, 1);
    if (count > 1) out += "." + digits.substr(1);
    const int exponent = point - 1;
    out += exponent < 0 ? "e-" : "e+";
    if (std::abs(exponent) < 10) out += "0";
    return out + std::to_string(std::abs(exponent));
}

std::string JsonText(const JsonValue& value, bool indented) {
    std::string out;
    Append(value, out, 0, indented);
    if (indented) out += "\n";
    return out;
}

}  // namespace cli
