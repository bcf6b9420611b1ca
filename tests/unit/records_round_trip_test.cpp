#include "game_profiles.h"
#include "record_commands.h"

#include "record_test_support.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct RoundTripCase {
    const GameProfile* profile;
    QStringList numberBoxes;
    const char16_t* drawNumber;
    const char16_t* loadedDrawNumbers[3]; // EDIT22, EDIT27, EDIT28 after loading
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.profile->programName;
}

QStringList numbersFor(const QStringList& boxes) {
    const QStringList pool = {u" 3"_s, u"17"_s, u"09"_s, u"5"_s, u"31"_s, u" 1"_s, u"22"_s};
    QStringList numbers;
    for (qsizetype i = 0; i < boxes.size(); ++i)
        numbers << pool[i % pool.size()];
    return numbers;
}

class SaveThenLoad : public TempFolderTest, public testing::WithParamInterface<RoundTripCase> {};

TEST_P(SaveThenLoad, RestoresTheHistory) {
    const RoundTripCase& c = GetParam();
    const QString path = pathOf(u"round.dat"_s);
    const QStringList numbers = numbersFor(c.numberBoxes);

    FakeWindow saving(*c.profile);
    saving.state.DataFolderPath = folder.path() + QDir::separator();
    saving.form.fill(c.numberBoxes, numbers);
    saving.form.texts[u"EDIT22"_s] = QString::fromUtf16(c.drawNumber);
    saving.dialogs.fileNames.push_back(path);
    BUTTON8_ON(saving.mainForm);
    ASSERT_TRUE(saving.dialogs.messages.isEmpty())
        << saving.dialogs.messages.join(u'\n').toStdString();

    FakeWindow loading(*c.profile);
    loading.state.DataFolderPath = folder.path() + QDir::separator();
    loading.dialogs.fileNames.push_back(path);
    BUTTON9_ON(loading.mainForm);
    ASSERT_TRUE(loading.dialogs.messages.isEmpty())
        << loading.dialogs.messages.join(u'\n').toStdString();

    for (qsizetype i = 0; i < c.numberBoxes.size(); ++i)
        EXPECT_EQ(loading.form.text(c.numberBoxes[i]), numbers[i])
            << c.numberBoxes[i].toStdString();
    EXPECT_EQ(loading.form.text(u"EDIT22"_s), QString::fromUtf16(c.loadedDrawNumbers[0]));
    EXPECT_EQ(loading.form.text(u"EDIT27"_s), QString::fromUtf16(c.loadedDrawNumbers[1]));
    EXPECT_EQ(loading.form.text(u"EDIT28"_s), QString::fromUtf16(c.loadedDrawNumbers[2]));
}

INSTANTIATE_TEST_SUITE_P(
    Games, SaveThenLoad,
    testing::Values(
        RoundTripCase{&kRk7klvn, boxRange(1, 21), u" 1235", {u"1235", u"1234", u"1233"}},
        RoundTripCase{&kRk6klvn, boxRange(1, 21), u" 1235", {u"1235", u" 1234", u" 1233"}},
        RoundTripCase{&kMiniklvn, boxRange(1, 15), u"\u3000812", {u"812", u"811", u"810"}},
        RoundTripCase{&kRk6klvn, boxRange(1, 21), u"123456", {u"123456", u"123455", u"123454"}}));

} // namespace
