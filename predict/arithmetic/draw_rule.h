#pragma once

#include <optional>
#include <span>

struct GameProfile;

// What makes a draw: its main numbers lie in 1..PoolSize and differ from each other; a bonus
// number lies in the same range and differs from the draw's main numbers. The prediction holds
// the entered draws to it, and the history check the draws of the player's files.

// The value lies in 1..PoolSize.
bool inPool(const GameProfile& profile, double value);

// The first slot (0 for the first main number) of a draw, main numbers sorted ascending and then
// the bonus, that breaks the rule; nothing for a draw that keeps it.
std::optional<int> firstBrokenSlot(const GameProfile& profile, std::span<const double> draw);
