#include "font_faces.h"

#include "font_names.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace {

struct Substitute {
    QString name;
    QStringList faces;
};

// The faces that stand for the window's names on this system, best first.
QList<Substitute> substitutes() {
#ifdef Q_OS_WIN
    // Windows has the faces themselves, but the window spells two of them as no version of
    // Windows does: they are named here by their Japanese and their English family names, since
    // a Windows of another language lists only the latter. FixedSys is Windows' own.
    return {
        {FontName::Mincho, {QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho")}},
        {FontName::Gothic, {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic")}},
        {FontName::PGothic, {QStringLiteral("MS PGothic")}},
    };
#else
    // IPA fonts are Debian's stand-ins for the Windows Japanese faces; IPAGothic is fixed-pitch
    // and also covers the window's "FixedSys".
    return {
        {FontName::Mincho, {QStringLiteral("IPAMincho")}},
        {FontName::Gothic, {QStringLiteral("IPAGothic")}},
        {FontName::PGothic, {QStringLiteral("IPAPGothic")}},
        {FontName::FixedSys, {QStringLiteral("IPAGothic")}},
    };
#endif
}

// The Japanese face standing in for a Windows name is installed.
bool substituteInstalled(const QString& name) {
    const QStringList faces = QFont::substitutes(name);
    return std::any_of(faces.begin(), faces.end(), &QFontDatabase::hasFamily);
}

} // namespace

void installFontSubstitutes() {
    for (const Substitute& s : substitutes())
        QFont::insertSubstitutions(s.name, s.faces);
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
