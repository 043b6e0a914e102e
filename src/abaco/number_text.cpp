#include "abaco/number_text.h"

std::string numberText(std::uint64_t thousandths)
{
    std::string text = std::to_string(thousandths / 1000);
    std::uint64_t fraction = thousandths % 1000;
    if (fraction == 0)
        return text;
    int digits = 3;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    const std::string fractionDigits = std::to_string(fraction);
    text += ',';
    text.append(static_cast<std::size_t>(digits) - fractionDigits.size(), '0');
    text += fractionDigits;
    return text;
}
