#include "draws_from_results.h"
#include "field_map.h"
#include "game_profiles.h"
#include "results_files_choice.h"

#include "record_test_support.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Draws 1234..1236 of the 7-number game as a results page lists them, newest last.
const QByteArray kSevenNumberResults = "回,日付,数字\n"
                                       "1233,2026/11/26,4,8,13,18,25,29,37\n"
                                       "1234,2026/12/03,2,7,12,19,24,30,35\n"
                                       "1235,2026/12/10,1,5,9,14,20,26,33\n"
                                       "1236,2026/12/17,3,11,17,22,28,31,36\n";

struct EntryCase {
    const char* name;
    const GameProfile* profile;
    QByteArray copied;  // the clipboard's text
    QStringList before; // the window's boxes, "EDIT22=1235"
    std::deque<Answer> answers;
    QStringList rows;        // the three rows afterwards, newest first; none: nothing written
    QStringList drawNumbers; // EDIT22, EDIT27, EDIT28 afterwards
    QStringList messages;    // a part of each message shown, in order
};

const EntryCase kEntryCases[] = {
    {"NewestThreeOfATable",
     &kRk7klvn,
     kSevenNumberResults,
     {},
     {},
     {u"3 11 17 22 28 31 36"_s, u"1 5 9 14 20 26 33"_s, u"2 7 12 19 24 30 35"_s},
     {u"1236"_s, u"1235"_s, u"1234"_s},
     {}},
    // The bonus goes into the box after the six main numbers; rows 2 and 3 are numbered in the
    // game's own form.
    {"SixNumbersWithTheirBonus",
     &kRk6klvn,
     "1234\t2026/12/03\t2\t7\t12\t19\t24\t30\t5\n1235\t2026/12/10\t1\t5\t9\t14\t20\t26\t3\n"
     "1236\t2026/12/17\t3\t11\t17\t22\t28\t31\t1\n",
     {},
     {},
     {u"3 11 17 22 28 31 1"_s, u"1 5 9 14 20 26 3"_s, u"2 7 12 19 24 30 5"_s},
     {u"1236"_s, u" 1235"_s, u" 1234"_s},
     {}},
    {"MiniGameRows",
     &kMiniklvn,
     "1234,2,7,12,19,24\n1235,1,5,9,14,20\n1236,3,11,17,22,28\n",
     {},
     {},
     {u"3 11 17 22 28"_s, u"1 5 9 14 20"_s, u"2 7 12 19 24"_s},
     {u"1236"_s, u"1235"_s, u"1234"_s},
     {}},
    {"MissingDrawNamed",
     &kRk7klvn,
     "1234,2,7,12,19,24,30,35\n1236,3,11,17,22,28,31,36\n",
     {},
     {},
     {},
     {},
     {u"第1235回の抽選がありません"_s}},
    // One copied row, the newest draw, over the three draws the window holds.
    {"OlderDrawsFromTheRows",
     &kRk7klvn,
     "第1236回\t3\t11\t17\t22\t28\t31\t36\n",
     {u"EDIT22=1235"_s, u"EDIT1=1"_s, u"EDIT2=5"_s, u"EDIT3=9"_s, u"EDIT4=14"_s, u"EDIT5=20"_s,
      u"EDIT6=26"_s, u"EDIT7=33"_s, u"EDIT8=35"_s, u"EDIT9=30"_s, u"EDIT10=24"_s, u"EDIT11=19"_s,
      u"EDIT12=12"_s, u"EDIT13=7"_s, u"EDIT14=2"_s},
     {Answer::Ok},
     {u"3 11 17 22 28 31 36"_s, u"1 5 9 14 20 26 33"_s, u"2 7 12 19 24 30 35"_s},
     {u"1236"_s, u"1235"_s, u"1234"_s},
     {u"第1234回から第1236回までの抽選で置き換えますか"_s}},
    {"DeclinedQuestion",
     &kRk7klvn,
     kSevenNumberResults,
     {u"EDIT1=5"_s},
     {Answer::Cancel},
     {},
     {},
     {u"置き換えますか"_s}},
    {"NoDrawInTheText",
     &kRk7klvn,
     "当せん番号案内\nお問い合わせ\n",
     {},
     {},
     {},
     {},
     {u"この結果は使えません。\nクリップボード"_s}},
    {"EmptyClipboard", &kRk7klvn, " \n", {}, {}, {}, {}, {u"クリップボードに文字がありません"_s}},
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.name;
}

class EnterFromText : public testing::TestWithParam<EntryCase> {};

TEST_P(EnterFromText, FillsTheRowsAsTypedOrSaysWhyNot) {
    const EntryCase& c = GetParam();
    FakeWindow window(*c.profile);
    for (const QString& box : c.before)
        window.form.texts[box.section(u'=', 0, 0)] = box.section(u'=', 1);
    window.dialogs.answers = c.answers;

    enterDrawsFromText(window.mainForm, QString::fromUtf8(c.copied));

    ASSERT_EQ(window.dialogs.messages.size(), c.messages.size())
        << window.dialogs.messages.join(u'\n').toStdString();
    for (qsizetype i = 0; i < c.messages.size(); ++i)
        EXPECT_TRUE(window.dialogs.messages[i].contains(c.messages[i]))
            << window.dialogs.messages[i].toStdString();
    if (c.rows.isEmpty()) {
        EXPECT_EQ(window.form.writes, QStringList());
        return;
    }
    for (int row = 1; row <= 3; ++row) {
        QStringList texts;
        for (const QString& box : numberBoxesOfRow(*c.profile, row))
            texts << window.form.text(box);
        EXPECT_EQ(texts.join(u' '), c.rows[row - 1]) << "row " << row;
    }
    EXPECT_EQ((QStringList{window.form.text(u"EDIT22"_s), window.form.text(u"EDIT27"_s),
                           window.form.text(u"EDIT28"_s)}),
              c.drawNumbers);
}

INSTANTIATE_TEST_SUITE_P(Sources, EnterFromText, testing::ValuesIn(kEntryCases),
                         [](const testing::TestParamInfo<EntryCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ResultsFilesName, NamesOneFileByItsPathAndManyByTheirFolder) {
    // Absolute on every platform: Windows gives a path without a drive the current one.
    const QString r = QDir::current().absoluteFilePath(u"r"_s);
    const QString s = QDir::current().absoluteFilePath(u"s"_s);
    const auto native = [](const QString& path) { return QDir::toNativeSeparators(path); };
    EXPECT_EQ(resultsFilesName({r + u"/a.csv"_s}), native(r + u"/a.csv"_s));
    EXPECT_EQ(resultsFilesName({r + u"/a.csv"_s, r + u"/b.csv"_s, r + u"/c.csv"_s}),
              native(r) + u" の 3 個"_s);
    EXPECT_EQ(resultsFilesName({r + u"/a.csv"_s, s + u"/b.csv"_s}),
              native(r + u"/a.csv"_s) + u" ほか 1 個"_s);
}

} // namespace
