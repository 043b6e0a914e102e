#include "primi/number_reader.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double readNumber(std::string_view text)
{
    std::size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < text.size() && isBlank(text[at]))
            ++at;
    };

    skipBlanks();
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }

    // The number without its blanks, so that one correctly rounded conversion reads it.
    std::string plain;
    bool point = false;
    bool digits = false;
    bool wholeIsZero = true; // no digit other than 0 before the point
    for (;;) {
        skipBlanks();
        if (at == text.size())
            break;
        const char c = text[at];
        if (isDigit(c)) {
            digits = true;
            if (!point && c != '0')
                wholeIsZero = false;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
        plain += c;
        ++at;
    }
    if (!digits)
        return negative ? -0.0 : 0.0;

    double value = 0.0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value,
                                              std::chars_format::fixed);
    if (error == std::errc::result_out_of_range)
        value = wholeIsZero ? 0.0 : std::numeric_limits<double>::infinity();
    else if (error != std::errc() || end != plain.data() + plain.size())
        value = 0.0; // cannot happen with only digits and one point; stay harmless anyway
    return negative ? -value : value;
}
