#include "font_faces.h"

#include "field_map.h"

#include <QFont>

namespace {

struct Substitute {
    const QString& name;
    const char* face;
};

} // namespace

void installFontSubstitutes() {
    // IPA fonts are Debian's stand-ins for the Windows Japanese faces; IPAGothic is fixed-pitch
    // and also covers the window's "FixedSys".
    const Substitute substitutes[] = {
        {FontName::Mincho, "IPAMincho"},
        {FontName::Gothic, "IPAGothic"},
        {FontName::PGothic, "IPAPGothic"},
        {FontName::FixedSys, "IPAGothic"},
    };
    for (const Substitute& s : substitutes)
        QFont::insertSubstitution(s.name, QString::fromLatin1(s.face));
}

QFont windowFont(const QString& name, int pixelHeight, bool bold) {
    QFont font(name);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}
