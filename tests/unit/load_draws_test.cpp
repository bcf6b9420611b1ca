#include "draw_record.h"
#include "game_profiles.h"
#include "record_commands.h"

#include "record_test_support.h"

#include <QDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QStringList kKeysAndLists = {u"EDIT23"_s, u"EDIT24"_s, u"EDIT25"_s, u"EDIT26"_s};

// Row 1 shows the cutting: three characters keep their last two, shorter texts stay whole.
const QByteArray kTwentyTwoFields =
    "\"123\",\" 5\",\"7\",\"\",\"12\",\"3 \",\"36\",\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\","
    "\"8\",\"9\",\"10\",\"11\",\"12\",\"13\",\"14\",\"1234567\"\r\n\x1A";
const QStringList kTwentyTwoBoxTexts = {
    u"23"_s, u" 5"_s, u"7"_s, u""_s,  u"12"_s, u"3 "_s, u"36"_s, u"1"_s,  u"2"_s,  u"3"_s, u"4"_s,
    u"5"_s,  u"6"_s,  u"7"_s, u"8"_s, u"9"_s,  u"10"_s, u"11"_s, u"12"_s, u"13"_s, u"14"_s};

struct LoadCase {
    const char* name;
    const GameProfile* profile;
    QByteArray file;
    QStringList numberBoxes;
    QStringList numberTexts;
    QString drawNumbers[3]; // EDIT22, EDIT27, EDIT28
};

const LoadCase kLoadCases[] = {
    {"SevenNumbersLongDrawNumber",
     &kRk7klvn,
     kTwentyTwoFields,
     boxRange(1, 21),
     kTwentyTwoBoxTexts,
     {u"1234567"_s, u"1234566"_s, u"1234565"_s}},
    {"SixNumbersLongDrawNumber",
     &kRk6klvn,
     kTwentyTwoFields,
     boxRange(1, 21),
     kTwentyTwoBoxTexts,
     {u"234567"_s, u"234566"_s, u"234565"_s}},
    {"SevenNumbers",
     &kRk7klvn,
     "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21, 1234 \r\n",
     boxRange(1, 21),
     QString::fromLatin1("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21").split(u','),
     {u"1234"_s, u"1233"_s, u"1232"_s}},
    {"SixNumbers",
     &kRk6klvn,
     "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,\"1234\"\r\n",
     boxRange(1, 21),
     QString::fromLatin1("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21").split(u','),
     {u"1234"_s, u" 1233"_s, u" 1232"_s}},
    {"MiniGame",
     &kMiniklvn,
     "\"31\",\" 2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\",\"12\",\"13\",\"14\","
     "\"115\",\"1234\"\r\n\x1A",
     boxRange(1, 15),
     QString::fromLatin1("31, 2,3,4,5,6,7,8,9,10,11,12,13,14,15").split(u','),
     {u"1234"_s, u"1233"_s, u"1232"_s}},
    // Whatever a hand or another tool put after the record is ignored, in every game.
    {"SevenNumbersExtraFields",
     &kRk7klvn,
     kTwentyTwoFields.chopped(3) + ",\"4321\",\"extra\"\r\n\x1A",
     boxRange(1, 21),
     kTwentyTwoBoxTexts,
     {u"1234567"_s, u"1234566"_s, u"1234565"_s}},
    {"SixNumbersExtraFields",
     &kRk6klvn,
     kTwentyTwoFields.chopped(3) + ",\"4321\",\"extra\"\r\n\x1A",
     boxRange(1, 21),
     kTwentyTwoBoxTexts,
     {u"234567"_s, u"234566"_s, u"234565"_s}},
    {"MiniGameExtraFields",
     &kMiniklvn,
     "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,\"1234\",\"4321\",\"extra\"\r\n\x1A",
     boxRange(1, 15),
     QString::fromLatin1("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15").split(u','),
     {u"1234"_s, u"1233"_s, u"1232"_s}},
    // A draw number that is no number counts as 0.
    {"SevenNumbersNoDrawNumber",
     &kRk7klvn,
     "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,abc",
     boxRange(1, 21),
     QString::fromLatin1("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21").split(u','),
     {u"abc"_s, u"-1"_s, u"-2"_s}},
    {"SixNumbersNoDrawNumber",
     &kRk6klvn,
     "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,\"\"",
     boxRange(1, 21),
     QString::fromLatin1("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21").split(u','),
     {u""_s, u"-1"_s, u"-2"_s}},
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class LoadFixture : public TempFolderTest {
protected:
    void setUpWindow(const GameProfile& profile) {
        window = std::make_unique<FakeWindow>(profile);
        window->state.DataFolderPath = folder.path() + QDir::separator();
        window->state.PredictionShown = 1;
        window->form.fill(boxRange(1, 28), QStringList(28, u"old"_s));
        window->form.focused = u"EDIT9"_s;
    }

    std::unique_ptr<FakeWindow> window;
};

class LoadDraws : public LoadFixture, public testing::WithParamInterface<LoadCase> {
protected:
    void SetUp() override {
        setUpWindow(*GetParam().profile);
        window->dialogs.fileNames.push_back(writeFile(u"chosen.dat"_s, GetParam().file));
        BUTTON9_ON(window->mainForm);
    }
};

TEST_P(LoadDraws, FillsTheNumberBoxesCutToTwoCharacters) {
    const LoadCase& c = GetParam();
    for (qsizetype i = 0; i < c.numberBoxes.size(); ++i)
        EXPECT_EQ(window->form.text(c.numberBoxes[i]), c.numberTexts[i])
            << c.numberBoxes[i].toStdString();
}

TEST_P(LoadDraws, ShowsTheDrawNumbersInTheGamesForm) {
    const LoadCase& c = GetParam();
    EXPECT_EQ(window->form.text(u"EDIT22"_s), c.drawNumbers[0]);
    EXPECT_EQ(window->form.text(u"EDIT27"_s), c.drawNumbers[1]);
    EXPECT_EQ(window->form.text(u"EDIT28"_s), c.drawNumbers[2]);
}

TEST_P(LoadDraws, EmptiesKeysAndListsAndRedrawsTheBaseScreen) {
    for (const QString& box : kKeysAndLists)
        EXPECT_EQ(window->form.text(box), QString()) << box.toStdString();
    EXPECT_EQ(window->surface.calls, baseScreenCalls(*GetParam().profile));
    EXPECT_EQ(window->state.PredictionShown, 0);
    EXPECT_EQ(window->form.focused, u"EDIT1"_s);
    EXPECT_TRUE(window->dialogs.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Games, LoadDraws, testing::ValuesIn(kLoadCases),
                         [](const testing::TestParamInfo<LoadCase>& info) {
                             return std::string(info.param.name);
                         });

// Only the mini game has hidden boxes, EDIT16 to EDIT21.
class MiniGameLoad : public LoadDraws {};

TEST_P(MiniGameLoad, LeavesTheHiddenBoxesAlone) {
    for (const QString& box : boxRange(16, 21))
        EXPECT_EQ(window->form.text(box), u"old"_s) << box.toStdString();
}

std::vector<LoadCase> miniGameCases() {
    std::vector<LoadCase> cases;
    std::copy_if(std::begin(kLoadCases), std::end(kLoadCases), std::back_inserter(cases),
                 [](const LoadCase& c) { return c.profile == &kMiniklvn; });
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Files, MiniGameLoad, testing::ValuesIn(miniGameCases()),
                         [](const testing::TestParamInfo<LoadCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(LoadFixture, OpensTheDialogOnTheDataFolder) {
    setUpWindow(kRk6klvn);
    BUTTON9_ON(window->mainForm);
    ASSERT_EQ(window->dialogs.openRequests.size(), 1u);
    const FileDialogRequest& request = window->dialogs.openRequests.front();
    EXPECT_EQ(request.title, u"データー選択"_s);
    EXPECT_EQ(request.folder, folder.path());
    EXPECT_EQ(request.fileName, u"*.dat"_s);
    EXPECT_EQ(request.filter, u"ﾃﾞｰﾀ(*.dat)"_s);
}

TEST_F(LoadFixture, CancelledDialogOnlyClearsThePredictionAndFocusesTheFirstBox) {
    setUpWindow(kRk7klvn);
    BUTTON9_ON(window->mainForm);
    EXPECT_EQ(window->state.PredictionShown, 0);
    EXPECT_EQ(window->form.focused, u"EDIT1"_s);
    EXPECT_TRUE(window->form.writes.isEmpty());
    EXPECT_TRUE(window->surface.calls.isEmpty());
    EXPECT_TRUE(window->dialogs.messages.isEmpty());
}

TEST_F(LoadFixture, WritesTheBoxesInRecordOrderThenKeysThenOlderDrawNumbers) {
    setUpWindow(kMiniklvn);
    window->dialogs.fileNames.push_back(
        writeFile(u"MR.dat"_s, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,20"));
    BUTTON9_ON(window->mainForm);
    QStringList expected;
    for (int n = 1; n <= 15; ++n)
        expected << u"EDIT%1='%1'"_s.arg(n);
    expected << u"EDIT22='20'"_s << u"EDIT23=''"_s << u"EDIT26=''"_s << u"EDIT24=''"_s
             << u"EDIT25=''"_s << u"EDIT27='19'"_s << u"EDIT28='18'"_s;
    EXPECT_EQ(window->form.writes, expected);
}

// The mini game shares its data folder with the 7-number game. Read as its first 16 fields, a
// 7-number file would fill the window with that game's draws and a number of row 3 as the draw
// number; it is refused, while that game still loads it.
TEST_F(LoadFixture, MiniGameRefusesASevenNumberFileThatTheSevenNumberGameLoads) {
    const QString path = writeFile(u"7R1234567kai.dat"_s, kTwentyTwoFields);
    setUpWindow(kMiniklvn);
    window->dialogs.fileNames.push_back(path);
    BUTTON9_ON(window->mainForm);

    EXPECT_EQ(window->dialogs.messages,
              QStringList(u"エラー発生|データを読み込めませんでした。\n"_s +
                          QDir::toNativeSeparators(path) +
                          u"\n項目が多すぎます（このゲームのデータは 16 項目ですが、この行には"
                          u"それより多くの項目があります。別のゲームのデータです）|stop|ok"_s));
    EXPECT_TRUE(window->form.writes.isEmpty()) << window->form.writes.join(u' ').toStdString();
    EXPECT_TRUE(window->surface.calls.isEmpty());
    EXPECT_EQ(window->state.PredictionShown, 1);
    EXPECT_EQ(window->form.focused, u"EDIT9"_s);
    EXPECT_FALSE(window->shell.endedWith.has_value());

    setUpWindow(kRk7klvn);
    window->dialogs.fileNames.push_back(path);
    BUTTON9_ON(window->mainForm);
    EXPECT_TRUE(window->dialogs.messages.isEmpty());
    EXPECT_EQ(window->form.text(u"EDIT21"_s), u"14"_s);
    EXPECT_EQ(window->form.text(u"EDIT22"_s), u"1234567"_s);
}

// Files that cannot be loaded: reported, and the window stays exactly as it was.
struct FailedLoadCase {
    const char* name;
    const GameProfile* profile;
    const char* fileName;
    QByteArray bytes; // nothing written when empty
};

void PrintTo(const FailedLoadCase& c, std::ostream* os) {
    *os << c.name;
}

const FailedLoadCase kFailedLoads[] = {
    {"MissingFile", &kRk7klvn, "gone.dat", ""},
    {"MiniFileInSevenNumberGame", &kRk7klvn, "MR1234kai.dat",
     "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\",\"12\",\"13\",\"14\","
     "\"15\",\"1234\"\r\n\x1A"},
    {"MiniFileInSixNumberGame", &kRk6klvn, "MR1234kai.dat",
     "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\",\"12\",\"13\",\"14\","
     "\"15\",\"1234\"\r\n\x1A"},
    {"CutDoubleByteCharacter", &kMiniklvn, "cut.dat",
     "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,\"12\x81\"\r\n"},
    {"SevenNumberFileWithExtraFieldInMiniGame", &kMiniklvn, "7R1234567kai.dat",
     kTwentyTwoFields.chopped(3) + ",\"extra\"\r\n"},
    {"NoRecordWithinTheReadLimit", &kMiniklvn, "blank.dat", QByteArray(ReadLimit + 10, ' ')},
};

class FailedLoad : public LoadFixture, public testing::WithParamInterface<FailedLoadCase> {};

TEST_P(FailedLoad, ReportsTheFileAndChangesNothing) {
    const FailedLoadCase& c = GetParam();
    setUpWindow(*c.profile);
    const QString name = QString::fromLatin1(c.fileName);
    const QString path = c.bytes.isEmpty() ? pathOf(name) : writeFile(name, c.bytes);
    window->dialogs.fileNames.push_back(path);

    BUTTON9_ON(window->mainForm);

    ASSERT_EQ(window->dialogs.messages.size(), 1);
    const QStringList message = window->dialogs.messages.front().split(u'|');
    EXPECT_EQ(message[0], u"エラー発生"_s);
    EXPECT_TRUE(message[1].contains(QDir::toNativeSeparators(path))) << message[1].toStdString();
    EXPECT_EQ(message[2], u"stop"_s);
    EXPECT_TRUE(window->form.writes.isEmpty());
    EXPECT_TRUE(window->surface.calls.isEmpty());
    EXPECT_EQ(window->state.PredictionShown, 1);
    EXPECT_EQ(window->form.focused, u"EDIT9"_s);
    EXPECT_FALSE(window->shell.endedWith.has_value());
}

INSTANTIATE_TEST_SUITE_P(Files, FailedLoad, testing::ValuesIn(kFailedLoads),
                         [](const testing::TestParamInfo<FailedLoadCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
