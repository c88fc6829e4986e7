#include "platform/Rounding.h"

#include <climits>
#include <gtest/gtest.h>

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const struct {
        int Numerator, Denominator, Expected;
    } cases[] = {
        {15 * 100, 24, 62}, // 62.5: 15 of 24 words found
        {1 * 100, 8, 12},   // 12.5
        {3 * 100, 8, 38},   // 37.5
        {24 * 100, 24, 100},
        {0, 7, 0},
        {2, 3, 1},
        {1, 3, 0},
        {5, 2, 2},
        {7, 2, 4},
        {-5, 2, -2},
        {-7, 2, -4},
        {5, -2, -2},
        {-7, -2, 4},
        {INT_MIN, 2, INT_MIN / 2},
        {INT_MAX, 2, INT_MAX / 2 + 1}, // 1073741823.5 rounds to the even 1073741824
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.Numerator, c.Denominator), c.Expected)
            << c.Numerator << " / " << c.Denominator;
}
