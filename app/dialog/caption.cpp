#include "caption.h"

std::string FillCaption(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
            out += *(args.begin() + n);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

bool KnownLanguage(std::string_view language) {
    return language == "en" || language == "es";
}

const char* ChooseLanguage(std::string_view asked, std::string_view system) {
    if (asked == "es" || asked == "en") return asked == "es" ? "es" : "en";
    return system.substr(0, 2) == "es" ? "es" : "en";
}
