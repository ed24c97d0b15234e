#include "platform/text/DecimalText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace DecimalText {

double ToDouble(std::string_view text) {
    std::size_t i = 0;
    auto isDigit = [&](std::size_t at) {
        return at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0;
    };
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) != 0)
        ++i;

    // Only plain decimal notation: no hexadecimal, no "inf" or "nan".
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            number += '-';
        ++i;
    }
    bool digits = false;
    while (isDigit(i)) {
        number += text[i++];
        digits = true;
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        std::size_t j = i + 1;
        std::string fraction;
        while (isDigit(j))
            fraction += text[j++];
        if (digits || !fraction.empty()) {
            number += '.';
            number += fraction;
            digits = true;
            i = j;
        }
    }
    if (!digits)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            exponent += text[j++];
        if (isDigit(j)) {
            while (isDigit(j))
                exponent += text[j++];
            number += exponent;
        }
    }

    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the position of the first significant digit
        // tells which.
        const std::size_t e = number.find('e');
        const std::string mantissa = number.substr(0, e);
        long long magnitude = 0;
        if (e != std::string::npos) {
            const bool down = number[e + 1] == '-';
            for (std::size_t k = e + 1; k < number.size(); ++k)
                if (std::isdigit(static_cast<unsigned char>(number[k])) != 0 && magnitude < 100000)
                    magnitude = magnitude * 10 + (number[k] - '0');
            if (down)
                magnitude = -magnitude;
        }
        const std::size_t first = mantissa.find_first_of("123456789");
        const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
        if (first != std::string::npos)
            magnitude += first < point ? static_cast<long long>(point - first)
                                       : -static_cast<long long>(first - point - 1);
        const bool negative = number[0] == '-';
        if (magnitude <= 0)
            return negative ? -0.0 : 0.0;
        const double inf = std::numeric_limits<double>::infinity();
        return negative ? -inf : inf;
    }
    return value;
}

} // namespace DecimalText
