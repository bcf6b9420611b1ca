#include "known_draw.h"

#include "draw_rule.h"
#include "game_profile.h"
#include "number_text.h"

#include <algorithm>

std::optional<KnownDraw> knownDraw(const GameProfile& profile, const QStringList& texts) {
    if (texts.size() < profile.RowSize)
        return std::nullopt;
    std::vector<double> values;
    for (int slot = 0; slot < profile.RowSize; ++slot)
        values.push_back(enteredValue(texts[slot]));
    std::sort(values.begin(), values.begin() + profile.MainCount);
    if (firstBrokenSlot(profile, values))
        return std::nullopt;
    KnownDraw draw;
    for (int slot = 0; slot < profile.MainCount; ++slot)
        draw.main.push_back(static_cast<int>(values[slot]));
    if (profile.BonusCount > 0)
        draw.bonus = static_cast<int>(values[profile.MainCount]);
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
