#include "field_cycle.h"
#include "game_profiles.h"

#include <gtest/gtest.h>

namespace {

using Key = FieldCycle::Key;

// One press and release of a key in the focused field, as the window reports them.
QString press(FieldCycle& cycle, const QString& focused, Key key, bool withShift = false) {
    cycle.keyPressed(focused, key, false, false, withShift);
    return cycle.keyReleased(focused, key, false, withShift);
}

TEST(FieldCycle, SevenAndSixNumberGamesRunThroughTwentyFourFields) {
    for (const GameProfile* profile : {&kRk7klvn, &kRk6klvn}) {
        const FieldCycle cycle(*profile);
        const QStringList expected = {"EDIT1",  "EDIT2",  "EDIT3",  "EDIT4",  "EDIT5",  "EDIT6",
                                      "EDIT7",  "EDIT27", "EDIT8",  "EDIT9",  "EDIT10", "EDIT11",
                                      "EDIT12", "EDIT13", "EDIT14", "EDIT28", "EDIT15", "EDIT16",
                                      "EDIT17", "EDIT18", "EDIT19", "EDIT20", "EDIT21", "EDIT22"};
        EXPECT_EQ(cycle.fields(), expected);
        EXPECT_EQ(cycle.FieldCount(), 24);
    }
}

TEST(FieldCycle, MiniGameRunsThroughSeventeenFieldsWithoutRowOnesDrawNumber) {
    const FieldCycle cycle(kMiniklvn);
    const QStringList expected = {"EDIT1",  "EDIT2",  "EDIT3",  "EDIT4",  "EDIT5",  "EDIT27",
                                  "EDIT6",  "EDIT7",  "EDIT8",  "EDIT9",  "EDIT10", "EDIT28",
                                  "EDIT11", "EDIT12", "EDIT13", "EDIT14", "EDIT15"};
    EXPECT_EQ(cycle.fields(), expected);
}

struct MoveCase {
    const char* name;
    const GameProfile* profile;
    const char* from;
    Key key;
    bool withShift;
    const char* to;
};

class FieldCycleMove : public testing::TestWithParam<MoveCase> {};

TEST_P(FieldCycleMove, MovesTheFocusOncePerPress) {
    const MoveCase& c = GetParam();
    FieldCycle cycle(*c.profile);
    cycle.focusEntered(QString::fromLatin1(c.from));
    EXPECT_EQ(press(cycle, QString::fromLatin1(c.from), c.key, c.withShift),
              QString::fromLatin1(c.to));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FieldCycleMove,
    testing::Values(
        MoveCase{"EnterFromEndOfRowOneToRowTwosDrawNumber", &kRk7klvn, "EDIT7", Key::Enter, false,
                 "EDIT27"},
        MoveCase{"EnterFromRowThreeToRowOnesDrawNumber", &kRk7klvn, "EDIT21", Key::Enter, false,
                 "EDIT22"},
        MoveCase{"EnterWrapsToTheFirstBox", &kRk7klvn, "EDIT22", Key::Enter, false, "EDIT1"},
        MoveCase{"MiniEnterWrapsFromTheLastBox", &kMiniklvn, "EDIT15", Key::Enter, false, "EDIT1"},
        MoveCase{"MiniEnterFromRowOneToRowTwosDrawNumber", &kMiniklvn, "EDIT5", Key::Enter, false,
                 "EDIT27"},
        MoveCase{"ShiftEnterMovesBack", &kRk6klvn, "EDIT27", Key::Enter, true, "EDIT7"},
        MoveCase{"ShiftEnterStopsAtTheFirstField", &kRk7klvn, "EDIT1", Key::Enter, true, "EDIT1"},
        MoveCase{"F12MovesBack", &kRk7klvn, "EDIT9", Key::F12, false, "EDIT8"},
        MoveCase{"F12StopsAtTheFirstField", &kMiniklvn, "EDIT1", Key::F12, false, "EDIT1"},
        MoveCase{"F1MovesForward", &kRk7klvn, "EDIT28", Key::F1, false, "EDIT15"},
        MoveCase{"F2Stays", &kRk7klvn, "EDIT3", Key::F2, false, "EDIT3"},
        MoveCase{"F3Stays", &kRk6klvn, "EDIT14", Key::F3, false, "EDIT14"}),
    [](const testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST(FieldCycle, ShiftReleasedBeforeEnterMovesForward) {
    FieldCycle cycle(kRk7klvn);
    cycle.focusEntered("EDIT2");
    cycle.keyPressed("EDIT2", Key::Enter, false, false, /*shiftDown=*/true);
    cycle.shiftReleased();
    EXPECT_EQ(cycle.keyReleased("EDIT2", Key::Enter, false, /*shiftDown=*/false), "EDIT3");
}

TEST(FieldCycle, HeldEnterMovesOnlyOnce) {
    FieldCycle cycle(kRk7klvn);
    cycle.focusEntered("EDIT1");
    cycle.keyPressed("EDIT1", Key::Enter, false, false, false);
    for (int repeat = 0; repeat < 5; ++repeat) {
        EXPECT_EQ(cycle.keyReleased("EDIT1", Key::Enter, true, false), QString());
        cycle.keyPressed("EDIT1", Key::Enter, true, false, false);
    }
    EXPECT_EQ(cycle.keyReleased("EDIT1", Key::Enter, false, false), "EDIT2");
    EXPECT_EQ(cycle.CurrentField(), 2);
}

TEST(FieldCycle, EnterThatConfirmsACompositionDoesNotMove) {
    FieldCycle cycle(kRk7klvn);
    cycle.focusEntered("EDIT4");
    cycle.keyPressed("EDIT4", Key::Enter, false, /*composing=*/true, false);
    EXPECT_EQ(cycle.keyReleased("EDIT4", Key::Enter, false, false), QString());
    EXPECT_EQ(press(cycle, "EDIT4", Key::Enter), "EDIT5"); // the next Enter does
}

TEST(FieldCycle, KeysOutsideTheCycleDoNothing) {
    FieldCycle cycle(kRk7klvn);
    cycle.focusEntered("EDIT5");
    for (const char* outside : {"EDIT23", "EDIT24", "EDIT25", "EDIT26", "BUTTON5"})
        EXPECT_EQ(press(cycle, QString::fromLatin1(outside), Key::Enter), QString()) << outside;
    EXPECT_EQ(cycle.CurrentField(), 5);

    FieldCycle mini(kMiniklvn);
    EXPECT_EQ(press(mini, "EDIT22", Key::Enter), QString());
    EXPECT_EQ(press(mini, "EDIT16", Key::Enter), QString());
}

TEST(FieldCycle, FocusOnARestoresTheLastCycleFieldUsed) {
    FieldCycle cycle(kRk6klvn);
    EXPECT_EQ(cycle.CurrentField(), 0);
    EXPECT_EQ(cycle.fieldToRestore(), QString());
    cycle.focusEntered("EDIT28");
    cycle.focusEntered("BUTTON5"); // not a cycle field: the current field stays
    cycle.focusEntered("EDIT24");
    EXPECT_EQ(cycle.fieldToRestore(), "EDIT28");
    EXPECT_EQ(cycle.CurrentField(), 16);
}

TEST(FieldCycle, OtherKeysAreIgnored) {
    FieldCycle cycle(kRk7klvn);
    cycle.focusEntered("EDIT1");
    EXPECT_EQ(press(cycle, "EDIT1", Key::Other), QString());
    EXPECT_EQ(cycle.CurrentField(), 1);
}

} // namespace
