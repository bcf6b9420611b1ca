#include "error_path.h"
#include "fake_platform.h"
#include "field_map.h"
#include "game_profiles.h"
#include "profile_text.h"
#include "startup.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct ProfileCase {
    const GameProfile* profile;
    int pool, main, bonus, rowSize, side, lines, fields;
    const char* prefix;
    const char* dataFolder;
    const char16_t* caption;
    const char16_t* title;
    const char16_t* sibling1;
    const char* sibling1Program;
    const char16_t* sibling2;
    const char* sibling2Program;
};

class GameProfileValues : public testing::TestWithParam<ProfileCase> {};

TEST_P(GameProfileValues, MatchTheGame) {
    const ProfileCase& c = GetParam();
    const GameProfile& p = *c.profile;
    EXPECT_EQ(p.PoolSize, c.pool);
    EXPECT_EQ(p.MainCount, c.main);
    EXPECT_EQ(p.BonusCount, c.bonus);
    EXPECT_EQ(p.RowSize, c.rowSize);
    EXPECT_EQ(p.PyramidSide, c.side);
    EXPECT_EQ(p.LineCount, c.lines);
    EXPECT_EQ(p.RecordFieldCount, c.fields);
    EXPECT_EQ(p.FilePrefix, c.prefix);
    EXPECT_EQ(p.DataFolderName, c.dataFolder);
    EXPECT_EQ(p.caption, c.caption);
    EXPECT_EQ(p.title, c.title);
    EXPECT_EQ(p.sibling1Caption, c.sibling1);
    EXPECT_EQ(p.sibling1Program, c.sibling1Program);
    EXPECT_EQ(p.sibling2Caption, c.sibling2);
    EXPECT_EQ(p.sibling2Program, c.sibling2Program);
    // A program never starts itself.
    EXPECT_NE(p.sibling1Program, p.programName);
    EXPECT_NE(p.sibling2Program, p.programName);
    EXPECT_EQ(p.helpDocument, "RKM67KV.chm");
}

INSTANTIATE_TEST_SUITE_P(
    Games, GameProfileValues,
    testing::Values(
        ProfileCase{&kRk7klvn, 37, 7, 0, 7, 6, 15, 22, "7R", "rkk7data", u"Riko7 Kelvane",
                    u"RIKO7  Kelvane", u"Riko6", "RK6KLVN", u"Mini", "MiniKLVN"},
        ProfileCase{&kRk6klvn, 43, 6, 1, 7, 6, 15, 22, "6R", "rkk6data", u"Riko6 Kelvane",
                    u"RIKO6  Kelvane", u"Riko7", "RK7KLVN", u"Mini", "MiniKLVN"},
        ProfileCase{&kMiniklvn, 31, 5, 0, 5, 5, 12, 16, "MR", "rkk7data", u"Mini RIKO Kelvane",
                    u"Mini RIKO  Kelvane", u"Riko6", "RK6KLVN", u"Riko7", "RK7KLVN"}));

TEST(GameProfileValues, ExitCaptions) {
    EXPECT_EQ(kRk7klvn.exitCaption, u"RIKO7 Kelvane");
    EXPECT_EQ(kRk6klvn.exitCaption, u"RIKO6 Kelvane");
    EXPECT_EQ(kMiniklvn.exitCaption, u"Mini RIKO Kelvane");
}

TEST(RowBoxes, FollowTheRowSizeWithMainNumbersFirst) {
    EXPECT_EQ(numberBoxesOfRow(kRk6klvn, 2),
              QStringList({"EDIT8", "EDIT9", "EDIT10", "EDIT11", "EDIT12", "EDIT13", "EDIT14"}));
    EXPECT_EQ(numberBoxesOfRow(kMiniklvn, 3),
              QStringList({"EDIT11", "EDIT12", "EDIT13", "EDIT14", "EDIT15"}));
    EXPECT_EQ(allNumberBoxes(kMiniklvn).size(), 15);
    EXPECT_EQ(allNumberBoxes(kRk7klvn).last(), "EDIT21");
    EXPECT_EQ(drawNumberBoxOfRow(1), "EDIT22");
    EXPECT_EQ(drawNumberBoxOfRow(3), "EDIT28");
}

TEST(StartUp, DataFolderLiesBesideTheProgram) {
    FakeWindow seven(kRk7klvn);
    seven.state.PredictionShown = 1;
    startUp(seven.mainForm, "/home/player/lotto/RK7KLVN");
    const QString sep = QDir::separator();
    EXPECT_EQ(seven.state.ProgramFolder, QDir::toNativeSeparators("/home/player/lotto/"));
    EXPECT_EQ(seven.state.DataFolderPath,
              QDir::toNativeSeparators("/home/player/lotto/") + "rkk7data" + sep);
    EXPECT_EQ(seven.state.PredictionShown, 0);
    EXPECT_EQ(seven.surface.calls.first(), "font MS明朝"); // the base screen is drawn

    FakeWindow six(kRk6klvn);
    startUp(six.mainForm, "/opt/k/RK6KLVN");
    EXPECT_TRUE(six.state.DataFolderPath.endsWith("rkk6data" + sep));

    // The mini program shares the 7-number program's data folder when installed beside it.
    FakeWindow mini(kMiniklvn);
    startUp(mini.mainForm, "/home/player/lotto/MiniKLVN");
    EXPECT_EQ(mini.state.DataFolderPath, seven.state.DataFolderPath);
}

TEST(ErrorPath, ShowsTheStopMessageAndEndsWithAFailureStatus) {
    FakeWindow window(kRk7klvn);
    generalErrorPath(window.dialogs, window.shell);
    EXPECT_EQ(window.dialogs.messages,
              QStringList({"エラー発生|不具合が発生しました、終了します。|stop|ok"}));
    ASSERT_TRUE(window.shell.endedWith.has_value());
    EXPECT_NE(*window.shell.endedWith, 0);
}

} // namespace
