#include "known_draw.h"

#include "game_profile.h"
#include "number_text.h"

#include <algorithm>

namespace {

bool inPool(const GameProfile& profile, int value) {
    return value >= 1 && value <= profile.PoolSize;
}

} // namespace

std::optional<KnownDraw> knownDraw(const GameProfile& profile, const QStringList& texts) {
    if (texts.size() < profile.RowSize)
        return std::nullopt;
    KnownDraw draw;
    for (int slot = 0; slot < profile.MainCount; ++slot) {
        const double value = enteredValue(texts[slot]);
        if (value > profile.PoolSize || !inPool(profile, static_cast<int>(value)))
            return std::nullopt;
        draw.main.push_back(static_cast<int>(value));
    }
    std::sort(draw.main.begin(), draw.main.end());
    if (std::adjacent_find(draw.main.begin(), draw.main.end()) != draw.main.end())
        return std::nullopt;
    if (profile.BonusCount > 0) {
        const double bonus = enteredValue(texts[profile.MainCount]);
        draw.bonus = bonus > profile.PoolSize ? 0 : static_cast<int>(bonus);
        if (!inPool(profile, draw.bonus) ||
            std::binary_search(draw.main.begin(), draw.main.end(), draw.bonus))
            return std::nullopt;
    }
    return draw;
}

QString drawText(const KnownDraw& draw) {
    QStringList numbers;
    for (int n : draw.main)
        numbers << QString::number(n);
    QString text = numbers.join(u' ');
    if (draw.bonus > 0)
        text += QStringLiteral(" + %1").arg(draw.bonus);
    return text;
}
