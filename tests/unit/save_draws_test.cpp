#include "game_profiles.h"
#include "profile_text.h"
#include "record_commands.h"

#include "record_test_support.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kRefusal = QStringLiteral("保存不可|入力欄に不具合があります|info|ok");

struct SaveCase {
    const GameProfile* profile;
    QStringList numberBoxes; // hand-listed for the game
    QStringList numbers;
    QString drawNumber;
    QString proposedName;
    QString olderDrawNumbers[2]; // EDIT27, EDIT28 after the click
    QByteArray bytes;            // the file written
};

const QStringList kSevenNumbers = {u" 3"_s, u" 7"_s, u"12"_s, u"18"_s, u"25"_s, u"31"_s, u"36"_s,
                                   u" 1"_s, u" 9"_s, u"15"_s, u"22"_s, u"27"_s, u"33"_s, u"35"_s,
                                   u" 4"_s, u" 8"_s, u"11"_s, u"19"_s, u"24"_s, u"30"_s, u"37"_s};
const QStringList kSixNumbers = {u"3"_s, u"7"_s, u"12"_s, u"18"_s, u"25"_s, u"31"_s, u"43"_s,
                                 u"1"_s, u"9"_s, u"15"_s, u"22"_s, u"27"_s, u"33"_s, u"40"_s,
                                 u"4"_s, u"8"_s, u"11"_s, u"19"_s, u"24"_s, u"30"_s, u"02"_s};
const QStringList kMiniNumbers = {u" 3"_s, u" 7"_s, u"12"_s, u"18"_s, u"25"_s,
                                  u" 1"_s, u" 9"_s, u"15"_s, u"22"_s, u"27"_s,
                                  u" 4"_s, u" 8"_s, u"11"_s, u"19"_s, u"31"_s};

const SaveCase kSaveCases[] = {
    {&kRk7klvn,
     boxRange(1, 21),
     kSevenNumbers,
     u"1234"_s,
     u"7R1234kai.dat"_s,
     {u" 1233"_s, u" 1232"_s},
     "\" 3\",\" 7\",\"12\",\"18\",\"25\",\"31\",\"36\",\" 1\",\" 9\",\"15\",\"22\",\"27\",\"33\","
     "\"35\",\" 4\",\" 8\",\"11\",\"19\",\"24\",\"30\",\"37\",\"1234\"\r\n\x1A"},
    {&kRk6klvn,
     boxRange(1, 21),
     kSixNumbers,
     u"1234"_s,
     u"6R1234kai.dat"_s,
     {u" 1233"_s, u" 1232"_s},
     "\"3\",\"7\",\"12\",\"18\",\"25\",\"31\",\"43\",\"1\",\"9\",\"15\",\"22\",\"27\",\"33\","
     "\"40\",\"4\",\"8\",\"11\",\"19\",\"24\",\"30\",\"02\",\"1234\"\r\n\x1A"},
    {&kMiniklvn,
     boxRange(1, 15),
     kMiniNumbers,
     u"1234"_s,
     u"MR1234kai.dat"_s,
     {u" 1233"_s, u" 1232"_s},
     "\" 3\",\" 7\",\"12\",\"18\",\"25\",\" 1\",\" 9\",\"15\",\"22\",\"27\",\" 4\",\" 8\",\"11\","
     "\"19\",\"31\",\"1234\"\r\n\x1A"},
    // The draw number is stored and named without its leading blanks, trailing ones kept.
    {&kRk7klvn,
     boxRange(1, 21),
     kSevenNumbers,
     u" 1235"_s,
     u"7R1235kai.dat"_s,
     {u" 1234"_s, u" 1233"_s},
     "\" 3\",\" 7\",\"12\",\"18\",\"25\",\"31\",\"36\",\" 1\",\" 9\",\"15\",\"22\",\"27\",\"33\","
     "\"35\",\" 4\",\" 8\",\"11\",\"19\",\"24\",\"30\",\"37\",\"1235\"\r\n\x1A"},
    {&kMiniklvn,
     boxRange(1, 15),
     kMiniNumbers,
     u"\u3000 77 "_s,
     u"MR77 kai.dat"_s,
     {u" 76"_s, u" 75"_s},
     "\" 3\",\" 7\",\"12\",\"18\",\"25\",\" 1\",\" 9\",\"15\",\"22\",\"27\",\" 4\",\" 8\",\"11\","
     "\"19\",\"31\",\"77 \"\r\n\x1A"},
    // Six-digit draw numbers: the 6-number game shows the older ones without their blank.
    {&kRk6klvn,
     boxRange(1, 21),
     kSixNumbers,
     u"123456"_s,
     u"6R123456kai.dat"_s,
     {u"123455"_s, u"123454"_s},
     "\"3\",\"7\",\"12\",\"18\",\"25\",\"31\",\"43\",\"1\",\"9\",\"15\",\"22\",\"27\",\"33\","
     "\"40\",\"4\",\"8\",\"11\",\"19\",\"24\",\"30\",\"02\",\"123456\"\r\n\x1A"},
    {&kRk7klvn,
     boxRange(1, 21),
     kSevenNumbers,
     u"123456"_s,
     u"7R123456kai.dat"_s,
     {u" 123455"_s, u" 123454"_s},
     "\" 3\",\" 7\",\"12\",\"18\",\"25\",\"31\",\"36\",\" 1\",\" 9\",\"15\",\"22\",\"27\",\"33\","
     "\"35\",\" 4\",\" 8\",\"11\",\"19\",\"24\",\"30\",\"37\",\"123456\"\r\n\x1A"},
};

void PrintTo(const SaveCase& c, std::ostream* os) {
    *os << c.profile->programName << " '" << c.drawNumber.toStdString() << "'";
}

// A window of the game with its data folder in a temporary folder.
class SaveFixture : public TempFolderTest {
protected:
    void setUpWindow(const GameProfile& profile) {
        window = std::make_unique<FakeWindow>(profile);
        dataFolder = pathOf(toQString(profile.DataFolderName));
        ASSERT_TRUE(QDir().mkpath(dataFolder));
        window->state.DataFolderPath = dataFolder + QDir::separator();
    }
    void fill(const QStringList& boxes, const QStringList& texts) {
        window->form.fill(boxes, texts);
    }

    std::unique_ptr<FakeWindow> window;
    QString dataFolder;
};

class SaveDraws : public SaveFixture, public testing::WithParamInterface<SaveCase> {
protected:
    void SetUp() override {
        const SaveCase& c = GetParam();
        setUpWindow(*c.profile);
        fill(c.numberBoxes, c.numbers);
        window->form.texts[u"EDIT22"_s] = c.drawNumber;
    }
};

TEST_P(SaveDraws, ProposesTheNameInTheDataFolderAndWritesTheRecord) {
    const SaveCase& c = GetParam();
    const QString chosen = dataFolder + u'/' + c.proposedName;
    window->dialogs.fileNames.push_back(chosen);
    BUTTON8_ON(window->mainForm);

    ASSERT_EQ(window->dialogs.saveRequests.size(), 1u);
    const FileDialogRequest& request = window->dialogs.saveRequests.front();
    EXPECT_EQ(request.title, u"保存"_s);
    EXPECT_EQ(request.folder, dataFolder);
    EXPECT_EQ(request.fileName, c.proposedName);
    EXPECT_EQ(request.filter, u"ﾃﾞｰﾀ(*.dat)"_s);

    EXPECT_EQ(fileBytes(chosen), c.bytes);
    EXPECT_TRUE(window->dialogs.messages.isEmpty());
    EXPECT_FALSE(window->shell.endedWith.has_value());
}

TEST_P(SaveDraws, ShowsTheOlderDrawNumbersAndChangesNothingElse) {
    const SaveCase& c = GetParam();
    window->dialogs.fileNames.push_back(dataFolder + u'/' + c.proposedName);
    BUTTON8_ON(window->mainForm);
    EXPECT_EQ(window->form.writes, QStringList({u"EDIT27='%1'"_s.arg(c.olderDrawNumbers[0]),
                                                u"EDIT28='%1'"_s.arg(c.olderDrawNumbers[1])}));
    EXPECT_TRUE(window->surface.calls.isEmpty());
    EXPECT_TRUE(window->form.focused.isEmpty());
}

TEST_P(SaveDraws, CancelledDialogWritesNothingButKeepsTheOlderDrawNumbers) {
    const SaveCase& c = GetParam();
    BUTTON8_ON(window->mainForm); // no chosen name: the dialog is cancelled
    EXPECT_EQ(window->dialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(QDir(dataFolder).isEmpty());
    EXPECT_EQ(window->form.text(u"EDIT27"_s), c.olderDrawNumbers[0]);
    EXPECT_EQ(window->form.text(u"EDIT28"_s), c.olderDrawNumbers[1]);
    EXPECT_TRUE(window->dialogs.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Games, SaveDraws, testing::ValuesIn(kSaveCases));

// Boxes that stop the save: empty, blank, zero or without a leading number.
struct RefusalCase {
    const GameProfile* profile;
    const char16_t* box;
    const char16_t* text;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.profile->programName << " " << QString::fromUtf16(c.box).toStdString() << "='"
        << QString::fromUtf16(c.text).toStdString() << "'";
}

class RefusedSave : public SaveFixture, public testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusedSave, ShowsTheMessageAndTouchesNothing) {
    const RefusalCase& c = GetParam();
    setUpWindow(*c.profile);
    const bool mini = c.profile == &kMiniklvn;
    fill(mini ? boxRange(1, 15) : boxRange(1, 21), mini ? kMiniNumbers : kSevenNumbers);
    window->form.texts[u"EDIT22"_s] = u"1234"_s;
    window->form.texts[QString::fromUtf16(c.box)] = QString::fromUtf16(c.text);
    window->dialogs.fileNames.push_back(dataFolder + u"/x.dat"_s);

    BUTTON8_ON(window->mainForm);

    EXPECT_EQ(window->dialogs.messages, QStringList{kRefusal});
    EXPECT_TRUE(window->dialogs.saveRequests.empty());
    EXPECT_TRUE(window->form.writes.isEmpty());
    EXPECT_TRUE(window->form.focused.isEmpty());
    EXPECT_TRUE(QDir(dataFolder).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Boxes, RefusedSave,
                         testing::Values(RefusalCase{&kRk7klvn, u"EDIT5", u""},
                                         RefusalCase{&kRk7klvn, u"EDIT1", u" "},
                                         RefusalCase{&kRk7klvn, u"EDIT12", u"0"},
                                         RefusalCase{&kRk6klvn, u"EDIT21", u"00"},
                                         RefusalCase{&kRk6klvn, u"EDIT7", u"x5"},
                                         RefusalCase{&kRk7klvn, u"EDIT22", u""},
                                         RefusalCase{&kRk6klvn, u"EDIT22", u"0"},
                                         RefusalCase{&kMiniklvn, u"EDIT15", u""},
                                         RefusalCase{&kMiniklvn, u"EDIT22", u"abc"}));

TEST_F(SaveFixture, MiniGameNeitherTestsNorStoresItsHiddenBoxes) {
    setUpWindow(kMiniklvn);
    fill(boxRange(1, 15), kMiniNumbers);
    fill(boxRange(16, 21), QStringList(6, u"99"_s));
    window->form.texts[u"EDIT22"_s] = u"1234"_s;
    window->form.texts[u"EDIT16"_s] = QString();
    const QString chosen = dataFolder + u"/MR1234kai.dat"_s;
    window->dialogs.fileNames.push_back(chosen);
    BUTTON8_ON(window->mainForm);
    EXPECT_TRUE(window->dialogs.messages.isEmpty());
    EXPECT_FALSE(fileBytes(chosen).contains("99"));
    EXPECT_EQ(fileBytes(chosen).count(','), 15);
}

TEST_F(SaveFixture, SavesANameTypedWithoutExtensionAsItIs) {
    setUpWindow(kRk7klvn);
    fill(boxRange(1, 21), kSevenNumbers);
    window->form.texts[u"EDIT22"_s] = u"1234"_s;
    window->dialogs.fileNames.push_back(dataFolder + u"/mine"_s);
    BUTTON8_ON(window->mainForm);
    EXPECT_EQ(QDir(dataFolder).entryList(QDir::Files), QStringList{u"mine"_s});
}

// Saves the platform refuses: reported, and the program goes on with its boxes as they were.
class FailedSave : public SaveFixture {
protected:
    void SetUp() override {
        setUpWindow(kRk7klvn);
        fill(boxRange(1, 21), kSevenNumbers);
        window->form.texts[u"EDIT22"_s] = u"1234"_s;
    }

    void expectReported(const QString& path) {
        ASSERT_EQ(window->dialogs.messages.size(), 1);
        const QStringList message = window->dialogs.messages.front().split(u'|');
        EXPECT_EQ(message[0], u"エラー発生"_s);
        EXPECT_TRUE(message[1].contains(QDir::toNativeSeparators(path)));
        EXPECT_EQ(message[2], u"stop"_s);
        EXPECT_EQ(message[3], u"ok"_s);
        EXPECT_FALSE(window->shell.endedWith.has_value());
        EXPECT_EQ(window->form.writes, QStringList({u"EDIT27=' 1233'"_s, u"EDIT28=' 1232'"_s}));
    }
};

TEST_F(FailedSave, IntoAFolderThatIsAPlainFile) {
    const QString plain = writeFile(u"plain"_s, "keep");
    const QString chosen = plain + u"/7R1234kai.dat"_s;
    window->dialogs.fileNames.push_back(chosen);
    BUTTON8_ON(window->mainForm);
    expectReported(chosen);
    EXPECT_EQ(fileBytes(plain), QByteArray("keep"));
}

TEST_F(FailedSave, OntoAFolder) {
    ASSERT_TRUE(QDir(dataFolder).mkdir(u"7R1234kai.dat"_s));
    const QString chosen = dataFolder + u"/7R1234kai.dat"_s;
    window->dialogs.fileNames.push_back(chosen);
    BUTTON8_ON(window->mainForm);
    expectReported(chosen);
}

TEST_F(FailedSave, OfATextOutsideTheCodePageKeepsTheOldFile) {
    window->form.texts[u"EDIT3"_s] = u"1\U0001F600"_s;
    const QString chosen = writeFile(u"rkk7data/7R1234kai.dat"_s, "old record");
    window->dialogs.fileNames.push_back(chosen);
    BUTTON8_ON(window->mainForm);
    expectReported(chosen);
    EXPECT_EQ(fileBytes(chosen), QByteArray("old record"));
}

} // namespace
