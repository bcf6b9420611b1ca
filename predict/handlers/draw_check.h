#pragma once

#include "pyramid.h"

#include <optional>

struct MainForm;

// Reads the three draws from their boxes. Each draw's main numbers must lie in 1..PoolSize; they
// are written back sorted, smallest first, before any draw is checked for repeats. Then every
// number must differ from the others of its draw (a bonus number only from its draw's main
// numbers), and its two-digit text is kept for the pyramid filling. The first bad box is
// cleared, the empty pyramids and list labels are drawn again and the user is told; the result
// is then empty. Boxes checked before it keep what was written into them.
std::optional<DrawValues> checkDraws(MainForm& form);

// Reads the latest draw number from EDIT22 and writes the two draw numbers before it into EDIT27
// and EDIT28. A number below 3 is refused untouched; one of seven digits or more is refused after
// the earlier numbers were written, and EDIT22 is cleared.
std::optional<long long> checkDrawNumber(MainForm& form);

// Tells the user that the entered draws cannot be used for a prediction.
void reportUnpredictable(MainForm& form);
