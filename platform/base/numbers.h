#pragma once
// The class library's integer arithmetic helpers, with its exact rounding rules.

#include <cstdint>

// Nearest integer, halves to the even neighbour. NaN gives 0; values beyond the 64-bit range
// saturate (the original raised an error; callers here never want a trap).
int64_t Round(long double X);

// Towards zero, saturating like Round.
int64_t Trunc(long double X);

// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is 0.
int32_t MulDiv(int32_t A, int32_t B, int32_t C);
