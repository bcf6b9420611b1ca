#pragma once

#include <QString>

class QFont;

// The window names Windows fonts that Linux does not have, two of them in spellings that Windows
// does not know either. Without a mapping Qt silently falls back to a Latin face, so each name is
// mapped to an installed Japanese face of the same kind: on Linux the IPA faces, on Windows the
// named faces under their real family names.
void installFontSubstitutes();

// A font of the window: a face by its Windows name, n pixels of em height, no scaling.
QFont windowFont(const QString& name, int pixelHeight, bool bold = false);
