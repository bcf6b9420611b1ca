#include "field_map.h"
#include "font_faces.h"
#include "font_names.h"
#include "game_profiles.h"
#include "image_surface.h"
#include "window_fixture.h"

#include <QFont>
#include <QFontInfo>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct FaceCase {
    const char* kind;
    const QString* name;
    QStringList faces; // the family shown is one of these
};

class InstalledFace : public testing::TestWithParam<FaceCase> {};

// With its Japanese face installed, a window font shows that face and needs no other.
TEST_P(InstalledFace, IsUsedWithoutFallbackFaces) {
    const QFont font = windowFont(*GetParam().name, 18);
    EXPECT_TRUE(font.styleStrategy() & QFont::NoFontMerging);
    EXPECT_TRUE(GetParam().faces.contains(QFontInfo(font).family()))
        << QFontInfo(font).family().toStdString();
    EXPECT_EQ(QFontInfo(font).pixelSize(), 18);
}

// Windows shows a face under its Japanese family name, or under its English one where Windows
// is of another language. FixedSys is Windows' own face there, without Japanese characters, so
// Qt may merge faces for it.
INSTANTIATE_TEST_SUITE_P(
    Names, InstalledFace,
#ifdef Q_OS_WIN
    testing::Values(FaceCase{"Mincho", &FontName::Mincho, {"ＭＳ 明朝", "MS Mincho"}},
                    FaceCase{"Gothic", &FontName::Gothic, {"ＭＳ ゴシック", "MS Gothic"}},
                    FaceCase{"PGothic", &FontName::PGothic, {"ＭＳ Ｐゴシック", "MS PGothic"}}),
#else
    testing::Values(FaceCase{"Mincho", &FontName::Mincho, {"IPAMincho"}},
                    FaceCase{"Gothic", &FontName::Gothic, {"IPAGothic"}},
                    FaceCase{"PGothic", &FontName::PGothic, {"IPAPGothic"}},
                    FaceCase{"FixedSys", &FontName::FixedSys, {"IPAGothic"}}),
#endif
    [](const testing::TestParamInfo<FaceCase>& info) { return std::string(info.param.kind); });

TEST(WindowFont, WithoutAnInstalledFaceQtMayMergeFaces) {
    QFont::insertSubstitution(QStringLiteral("Kelvane Missing Face"),
                              QStringLiteral("Kelvane Face Nowhere Installed"));
    const QFont font = windowFont(QStringLiteral("Kelvane Missing Face"), 18);
    EXPECT_FALSE(font.styleStrategy() & QFont::NoFontMerging);
    QFont::removeSubstitutions(QStringLiteral("Kelvane Missing Face"));
}

TEST(WindowFont, SizeAndWeight) {
    const QFont font = windowFont(FontName::Mincho, 14, true);
    EXPECT_EQ(font.pixelSize(), 14);
    EXPECT_TRUE(font.bold());
    EXPECT_FALSE(windowFont(FontName::Mincho, 16).bold());
}

// The picture's text is drawn without smoothing, in the installed Japanese face alone.
TEST(ImageSurface, DrawsTextUnsmoothedInOneFace) {
    const QFont::StyleStrategy strategy = ImageSurface().font().styleStrategy();
    EXPECT_TRUE(strategy & QFont::NoAntialias);
    EXPECT_TRUE(strategy & QFont::NoFontMerging);
}

struct FontCase {
    const char* control;
    const QString* face;
    int pixelSize;
};

// The controls ask for the design's faces by name; which installed face stands for each name on
// this system is the font substitutes' concern.
TEST(FieldMap, ControlsAskForTheDesignsFaces) {
    auto window = startedWindow(kRk7klvn);
    const FontCase cases[] = {
        {"EDIT1", &FontName::Gothic, 20},  {"EDIT22", &FontName::Gothic, 20},
        {"EDIT23", &FontName::Gothic, 20}, {"EDIT24", &FontName::Mincho, 18},
        {"EDIT25", &FontName::Mincho, 18}, {"EDIT26", &FontName::PGothic, 18},
        {"EDIT28", &FontName::Gothic, 20}, {"BUTTON5", &FontName::Mincho, 14}};
    for (const FontCase& c : cases) {
        const QFont font = child<QWidget>(*window, c.control)->font();
        EXPECT_EQ(font.family(), *c.face) << c.control;
        EXPECT_EQ(font.pixelSize(), c.pixelSize) << c.control;
    }
}

} // namespace
