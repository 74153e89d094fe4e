#include "number_format.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace zarvo {

char LocaleDecimalSeparator() {
    const std::lconv* lc = std::localeconv();
    return (lc && lc->decimal_point && lc->decimal_point[0] == ',') ? ',' : '.';
}

std::string FormatGeneral15(double v, char separator) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    if (v == 0.0) return "0";

    // 15 significant digits, rounded to nearest: "d.dddddddddddddde+XX".
    // to_chars does not depend on the C locale.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 14);
    const std::string text(buf, res.ptr);
    const size_t ePos = text.find('e');
    std::string digits;
    for (size_t i = 0; i < ePos; ++i) {
        if (text[i] >= '0' && text[i] <= '9') digits += text[i];
    }
    const int exponent = std::atoi(text.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = v < 0 ? "-" : "";
    const int n = static_cast<int>(digits.size());
    if (exponent < -5 || exponent >= 15) {
        out += digits[0];
        if (n > 1) {
            out += separator;
            out.append(digits, 1, std::string::npos);
        }
        out += 'E';
        if (exponent < 0) out += '-';
        out += std::to_string(std::abs(exponent));
    } else if (exponent >= 0) {
        const int intDigits = exponent + 1;
        if (n <= intDigits) {
            out += digits;
            out.append(static_cast<size_t>(intDigits - n), '0');
        } else {
            out.append(digits, 0, static_cast<size_t>(intDigits));
            out += separator;
            out.append(digits, static_cast<size_t>(intDigits), std::string::npos);
        }
    } else {
        out += '0';
        out += separator;
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string FormatGeneral15(double v) { return FormatGeneral15(v, LocaleDecimalSeparator()); }

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view t) {
    while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
    return t;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ParseGeneralReal(std::string_view text, char separator, double& out) {
    const std::string_view t = Trim(text);
    // Check the grammar first and build the same number with a '.'.
    std::string plain;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') plain += '-';
        ++i;
    }
    size_t mantissaDigits = 0;
    while (i < t.size() && IsDigit(t[i])) {
        plain += t[i++];
        ++mantissaDigits;
    }
    if (i < t.size() && t[i] == separator) {
        plain += '.';
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            plain += t[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return false;
    bool negativeExponent = false;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        plain += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            negativeExponent = t[i] == '-';
            plain += t[i++];
        }
        size_t expDigits = 0;
        while (i < t.size() && IsDigit(t[i])) {
            plain += t[i++];
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    if (i != t.size()) return false;

    double v = 0.0;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    const auto res = std::from_chars(first, last, v);
    if (res.ec == std::errc::result_out_of_range) {
        // Too small for a double reads as zero; too large is an error.
        if (!negativeExponent) return false;
        v = plain[0] == '-' ? -0.0 : 0.0;
    } else if (res.ec != std::errc() || res.ptr != last) {
        return false;
    }
    out = v;
    return true;
}

bool ParseDecimalInteger(std::string_view text, int32_t& out) {
    const std::string_view t = Trim(text);
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    if (i == t.size()) return false;
    int64_t v = 0;
    for (; i < t.size(); ++i) {
        if (!IsDigit(t[i])) return false;
        v = v * 10 + (t[i] - '0');
        if (v > int64_t{std::numeric_limits<int32_t>::max()} + 1) return false;
    }
    if (negative) v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max()) return false;
    out = static_cast<int32_t>(v);
    return true;
}

}  // namespace zarvo
