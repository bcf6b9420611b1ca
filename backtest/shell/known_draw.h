#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct GameProfile;

// One draw whose numbers are known: its main numbers ascending, and the bonus number in the
// game that has one (0 elsewhere).
struct KnownDraw {
    std::vector<int> main;
    int bonus = 0;
    friend bool operator==(const KnownDraw&, const KnownDraw&) = default;
};

// The draw that the texts make (main numbers first, then the bonus), when it passes the checks
// of the prediction: MainCount distinct numbers of 1..PoolSize and, in the 6-number game, a bonus
// in range that differs from them. Each text counts as the prediction reads a box.
std::optional<KnownDraw> knownDraw(const GameProfile& profile, const QStringList& texts);

// "3 11 17 22 28 31 36", with " + 9" for a bonus.
QString drawText(const KnownDraw& draw);
