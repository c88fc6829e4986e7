#pragma once

// Numerator / Denominator rounded to the nearest integer, halves to the even
// neighbour, as the runtime's Round does: 62.5 gives 62 and 37.5 gives 38.
// Exact in integers, so that a completion percentage never depends on
// floating point. Denominator must not be 0.
int RoundHalfEven(int Numerator, int Denominator);
