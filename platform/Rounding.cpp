#include "platform/Rounding.h"

#include <cstdint>
#include <cstdlib>

int RoundHalfEven(int Numerator, int Denominator) {
    const bool negative = (Numerator < 0) != (Denominator < 0);
    // Magnitudes in 64 bits: the smallest int has no positive twin in 32.
    const int64_t numerator = std::llabs(Numerator);
    const int64_t denominator = std::llabs(Denominator);
    int64_t quotient = numerator / denominator;
    const int64_t twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0))
        ++quotient;
    return int(negative ? -quotient : quotient);
}
