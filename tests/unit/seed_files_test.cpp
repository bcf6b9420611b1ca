#include "draw_record.h"
#include "game_profiles.h"
#include "record_commands.h"

#include "record_test_support.h"

#include <QDir>
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// What "データ" makes of a file in one game: the first and last number box, then EDIT22, EDIT27
// and EDIT28; nothing when the file is refused.
struct Loaded {
    QString firstBox;
    QString lastBox;
    QString drawNumbers[3];
};
using Outcome = std::optional<Loaded>;
const Outcome kRefused = std::nullopt;

struct SeedFile {
    const char* name;
    Outcome rk7, rk6, mini;
};

// The 7-number example: 7 numbers per row, draw 1234. Its line holds a whole 7-number record, so
// the mini game refuses it, as it refuses every line of 22 fields or more below.
const Outcome kExampleRk7 = Loaded{u" 3"_s, u"37"_s, {u"1234"_s, u"1233"_s, u"1232"_s}};
const Outcome kExampleRk6 = Loaded{u" 3"_s, u"37"_s, {u"1234"_s, u" 1233"_s, u" 1232"_s}};

// Every file of the fuzzing's seed corpus, worked by hand.
const SeedFile kSeedFiles[] = {
    {"rk7-example.dat", kExampleRk7, kExampleRk6, kRefused},
    // Seven fields a line, none of them a whole 7-number record: the mini game takes the first 16
    // fields, as it does a hand-made file of such lines.
    {"cr-only.dat", kExampleRk7, kExampleRk6, Loaded{u" 3"_s, u" 4"_s, {u" 8"_s, u"7"_s, u"6"_s}}},
    {"unterminated-quote.dat", kExampleRk7, kExampleRk6, kRefused},
    // Blanks and separators after the draw number, then a line of junk: all of it ignored.
    {"after-the-record.dat", kExampleRk7, kExampleRk6, kRefused},
    // Two more fields on the line of the draw number: ignored, but the line holds a whole
    // 7-number record, which the mini game refuses.
    {"extra-fields.dat", kExampleRk7, kExampleRk6, kRefused},
    // The example's fields fill the read limit exactly, the draw number unquoted, then the mark.
    {"at-read-limit.dat", kExampleRk7, kExampleRk6, kRefused},
    {"unquoted.dat", Loaded{u"3"_s, u"37"_s, {u"1234"_s, u"1233"_s, u"1232"_s}},
     Loaded{u"3"_s, u"37"_s, {u"1234"_s, u" 1233"_s, u" 1232"_s}}, kRefused},
    {"rk6-saved.dat", Loaded{u"2"_s, u"42"_s, {u"456"_s, u"455"_s, u"454"_s}},
     Loaded{u"2"_s, u"42"_s, {u"456"_s, u" 455"_s, u" 454"_s}}, kRefused},
    // A seven-digit draw number: the 6-number game keeps its last six digits and counts from them.
    // Seven fields a line: the mini game's 16th field is the second of line 3.
    {"multi-line.dat", Loaded{u"2"_s, u"42"_s, {u"1234567"_s, u"1234566"_s, u"1234565"_s}},
     Loaded{u"2"_s, u"42"_s, {u"234567"_s, u"234566"_s, u"234565"_s}},
     Loaded{u"2"_s, u"1"_s, {u"12"_s, u"11"_s, u"10"_s}}},
    {"mini-saved.dat", kRefused, kRefused,
     Loaded{u" 3"_s, u"30"_s, {u"1020"_s, u"1019"_s, u"1018"_s}}},
    {"lf-only-colons.dat", kRefused, kRefused,
     Loaded{u"3"_s, u"30"_s, {u"1020"_s, u"1019"_s, u"1018"_s}}},
    // Field 22 ends in a cut double-byte character; for the mini game the line goes on after 16.
    {"cut-double-byte.dat", kRefused, kRefused, kRefused},
    // Full-width digits in field 1, three digits in fields 15 and 21, full-width blanks before
    // the draw number.
    {"full-width.dat", Loaded{u"１３"_s, u"23"_s, {u"　　1234"_s, u"1233"_s, u"1232"_s}},
     Loaded{u"１３"_s, u"23"_s, {u"　　1234"_s, u" 1233"_s, u" 1232"_s}}, kRefused},
    {"truncated.dat", kRefused, kRefused, kRefused},
    {"binary.dat", kRefused, kRefused, kRefused},
    {"over-read-limit.dat", kRefused, kRefused, kRefused},
    {"empty.dat", kRefused, kRefused, kRefused},
};

const QString kSeedFolder = QStringLiteral(SEED_CORPUS_DIR);

struct SeedLoad {
    const SeedFile* file;
    const GameProfile* game;
};

void PrintTo(const SeedLoad& load, std::ostream* os) {
    *os << load.file->name << " in " << load.game->programName;
}

const Outcome& expectedOutcome(const SeedLoad& load) {
    if (load.game == &kRk7klvn)
        return load.file->rk7;
    if (load.game == &kRk6klvn)
        return load.file->rk6;
    return load.file->mini;
}

std::vector<SeedLoad> everySeedInEveryGame() {
    std::vector<SeedLoad> loads;
    for (const SeedFile& file : kSeedFiles)
        for (const GameProfile* game : {&kRk7klvn, &kRk6klvn, &kMiniklvn})
            loads.push_back({&file, game});
    return loads;
}

std::string testName(const testing::TestParamInfo<SeedLoad>& info) {
    std::string name = std::string(info.param.game->programName) + "_" + info.param.file->name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

class SeedFileLoad : public testing::TestWithParam<SeedLoad> {
protected:
    void SetUp() override {
        window = std::make_unique<FakeWindow>(*GetParam().game);
        window->state.DataFolderPath = kSeedFolder + QDir::separator();
        window->form.fill(boxRange(1, 28), QStringList(28, u"old"_s));
        window->dialogs.fileNames.push_back(kSeedFolder + u'/' +
                                            QLatin1StringView(GetParam().file->name));
        BUTTON9_ON(window->mainForm);
    }

    std::unique_ptr<FakeWindow> window;
};

TEST_P(SeedFileLoad, LoadsOrRefusesAsWorkedOut) {
    const Outcome& expected = expectedOutcome(GetParam());
    const FakeForm& form = window->form;
    if (!expected) {
        ASSERT_EQ(window->dialogs.messages.size(), 1);
        EXPECT_TRUE(window->dialogs.messages.front().startsWith(u"エラー発生|"_s));
        EXPECT_TRUE(form.writes.isEmpty());
        return;
    }
    EXPECT_TRUE(window->dialogs.messages.isEmpty())
        << window->dialogs.messages.join(u'\n').toStdString();
    const int lastBox = GetParam().game->numberBoxCount();
    EXPECT_EQ(form.text(u"EDIT1"_s), expected->firstBox);
    EXPECT_EQ(form.text(editName(lastBox)), expected->lastBox);
    EXPECT_EQ(form.text(u"EDIT22"_s), expected->drawNumbers[0]);
    EXPECT_EQ(form.text(u"EDIT27"_s), expected->drawNumbers[1]);
    EXPECT_EQ(form.text(u"EDIT28"_s), expected->drawNumbers[2]);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SeedFileLoad, testing::ValuesIn(everySeedInEveryGame()), testName);

// A seed added to the corpus needs its outcome worked out here too.
TEST(SeedFiles, EveryFileOfTheCorpusHasItsOutcome) {
    QStringList listed;
    for (const SeedFile& file : kSeedFiles)
        listed << QString::fromLatin1(file.name);
    QStringList present = QDir(kSeedFolder).entryList(QDir::Files);
    listed.sort();
    present.sort();
    EXPECT_EQ(present, listed);
}

} // namespace
