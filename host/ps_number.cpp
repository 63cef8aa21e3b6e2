#include "host/ps_number.h"

#include <cmath>
#include <cstdio>

namespace plxhost {

namespace {

constexpr double kScales[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
// Below this an ulp of the scaled value is far inside the margin kept
// around the half way (1e-6): the product rounds as the exact value would.
constexpr double kMaxScaled = 1e9;

void appendByPrintf(std::string& out, double value, int decimals) {
    char text[512];
    int n = std::snprintf(text, sizeof text, "%.*f", decimals, value);
    if (n > 0) out.append(text, static_cast<size_t>(n) < sizeof text ? static_cast<size_t>(n)
                                                                     : sizeof text - 1);
}

} // namespace

void appendFixed(std::string& out, double value, int decimals) {
    if (decimals < 0 || decimals > 6 || !std::isfinite(value)) {
        appendByPrintf(out, value, decimals);
        return;
    }
    double scaled = std::fabs(value) * kScales[decimals];
    if (scaled >= kMaxScaled) {
        appendByPrintf(out, value, decimals);
        return;
    }
    // printf rounds the exact binary value; the product above may be off
    // by an ulp or so. Away from the half way both round alike; near it,
    // printf decides.
    double whole = std::floor(scaled);
    double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < 1e-6) {
        appendByPrintf(out, value, decimals);
        return;
    }
    unsigned long long units = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
    char digits[32];
    int n = 0;
    // The digits from the last: the decimals, the point, then the whole part.
    for (int i = 0; i < decimals; ++i) {
        digits[n++] = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    if (decimals > 0) digits[n++] = '.';
    do {
        digits[n++] = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units > 0);
    // printf keeps the sign of a negative value that rounds to zero.
    if (std::signbit(value)) digits[n++] = '-';
    while (n > 0) out += digits[--n];
}

} // namespace plxhost
