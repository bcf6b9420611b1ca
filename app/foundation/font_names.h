#pragma once

#include <QString>

// The named fonts of the window. Platforms without them map the names to installed faces.
namespace FontName {
inline const QString Mincho = QStringLiteral("MS明朝");
inline const QString Gothic = QStringLiteral("MSｺﾞｼｯｸ");
inline const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString FixedSys = QStringLiteral("FixedSys");
} // namespace FontName
