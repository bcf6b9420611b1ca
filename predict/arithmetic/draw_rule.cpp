#include "draw_rule.h"

#include "game_profile.h"

#include <algorithm>

bool inPool(const GameProfile& profile, double value) {
    return value > 0 && value < profile.PoolSize + 1;
}

// With the main numbers sorted, a repeat shows as a number not above the one before it.
std::optional<int> firstBrokenSlot(const GameProfile& profile, std::span<const double> draw) {
    const auto main = draw.first(static_cast<std::size_t>(profile.MainCount));
    for (int slot = 0; slot < profile.RowSize; ++slot) {
        const double value = draw[static_cast<std::size_t>(slot)];
        const bool apart = slot == 0 ? true
                           : slot < profile.MainCount
                               ? value > draw[static_cast<std::size_t>(slot - 1)]
                               : std::find(main.begin(), main.end(), value) == main.end();
        if (!apart || !inPool(profile, value))
            return slot;
    }
    return std::nullopt;
}
