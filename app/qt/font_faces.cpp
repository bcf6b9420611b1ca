#include "font_faces.h"

#include "font_names.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {

struct Substitute {
    const QString& name;
    const char* face;
};

// The Japanese face standing in for a Windows name is installed.
bool substituteInstalled(const QString& name) {
    const QStringList faces = QFont::substitutes(name);
    return !faces.isEmpty() && QFontDatabase::hasFamily(faces.first());
}

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
    // The Japanese faces hold every character the window shows. Told so, Qt does not look for
    // fallback faces for each script of each font, which took a tenth of the programs' start.
    // Without the face, Qt's merging still finds some face for the Japanese text.
    if (substituteInstalled(name))
        font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}
