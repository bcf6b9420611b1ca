#include "field_map.h"
#include "font_faces.h"

#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

struct FaceCase {
    const QString* name;
    const char* face;
};

class InstalledFace : public testing::TestWithParam<FaceCase> {};

// With its Japanese face installed, a window font shows that face and needs no other.
TEST_P(InstalledFace, IsUsedWithoutFallbackFaces) {
    const QFont font = windowFont(*GetParam().name, 18);
    EXPECT_TRUE(font.styleStrategy() & QFont::NoFontMerging);
    EXPECT_EQ(QFontInfo(font).family(), QString::fromLatin1(GetParam().face));
    EXPECT_EQ(QFontInfo(font).pixelSize(), 18);
}

INSTANTIATE_TEST_SUITE_P(Names, InstalledFace,
                         testing::Values(FaceCase{&FontName::Mincho, "IPAMincho"},
                                         FaceCase{&FontName::Gothic, "IPAGothic"},
                                         FaceCase{&FontName::PGothic, "IPAPGothic"},
                                         FaceCase{&FontName::FixedSys, "IPAGothic"}),
                         [](const testing::TestParamInfo<FaceCase>& info) {
                             return std::string(info.param.face) + "_" + std::to_string(info.index);
                         });

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

} // namespace
