#include "draw_date.h"
#include "game_profiles.h"
#include "results_file.h"

#include "record_test_support.h"

#include <gtest/gtest.h>
#include <map>

using namespace Qt::StringLiterals;

namespace {

using Draws = std::map<int, KnownDraw>;

// Draw 1001 of the 6-number game, and of the other two, as the rows below print them.
const KnownDraw kSix{{3, 11, 17, 22, 28, 31}, 9};
const KnownDraw kSixNext{{1, 5, 9, 14, 20, 26}, 33};
const KnownDraw kSeven{{3, 7, 12, 18, 25, 31, 36}, 0};
const KnownDraw kMini{{2, 9, 15, 23, 30}, 0};

// Each layout, in the form a player has it.
struct LayoutCase {
    const char* name;
    const GameProfile* profile;
    QString text;
    Draws draws;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

const LayoutCase kLayouts[] = {
    {"NoHeaderEraDateWithWeekday",
     &kRk6klvn,
     u"第1001回,令和8年1月9日(金),3,11,17,22,28,31,9\n"_s,
     {{1001, kSix}}},
    {"NoHeaderDateBeforeDrawNumberAndExtraColumns",
     &kRk6klvn,
     u"2026/1/9,1001,3,11,17,22,28,31,9,2口,\"120,000,000円\",0\n"_s,
     {{1001, kSix}}},
    {"HeaderDateBeforeDrawNumber",
     &kRk6klvn,
     u"抽せん日,回号,本数字1,本数字2,本数字3,本数字4,本数字5,本数字6,ボーナス数字\n"
     u"2026/01/09(金),1001,3,11,17,22,28,31,9\n"_s,
     {{1001, kSix}}},
    {"HeaderInAnyOrderWithPrizeColumns",
     &kRk6klvn,
     u"回別,セット,Ｂ数字,第6数字,第1数字,第2数字,第3数字,第4数字,第5数字,1等口数,1等金額\n"
     u"第1001回,A,9,31,3,11,17,22,28,2,\"120,000,000\"\n"_s,
     {{1001, kSix}}},
    {"HeaderOverMergedNumberCells",
     &kRk6klvn,
     u"開催回,日付,本数字,,,,,,ボーナス\n1001,2026.1.9,3,11,17,22,28,31,9\n"_s,
     {{1001, kSix}}},
    {"HeaderWithOneNumberHeading",
     &kRk6klvn,
     u"回,日付,本数字\n1001,R8.1.9,3,11,17,22,28,31,9\n"_s,
     {{1001, kSix}}},
    {"HeaderOfTwoBonusNumbersInTheSevenNumberGame",
     &kRk7klvn,
     u"抽せん回,抽せん数字1,抽せん数字2,抽せん数字3,抽せん数字4,抽せん数字5,抽せん数字6,"
     u"抽せん数字7,BONUS1,BONUS2\n1001,3,7,12,18,25,31,36,1,9\n"_s,
     {{1001, kSeven}}},
    {"HeaderInTabsMiniGame",
     &kMiniklvn,
     u"回\t日付\t数字1\t数字2\t数字3\t数字4\t数字5\n1001\t2026年1月9日\t2\t9\t15\t23\t30\n"_s,
     {{1001, kMini}}},
    {"PerDrawFile",
     &kRk6klvn,
     u"第1001回 RIKO6 抽せん結果\r\n抽せん日,令和8年1月9日（金）\r\n"
     u"本数字,03,11,17,22,28,31,ボーナス数字,09\r\n1等,2口,120000000円\r\n2等,5口,8000000円\r\n"_s,
     {{1001, kSix}}},
    {"BlocksCopiedFromAPage",
     &kRk6klvn,
     u"第1001回\n抽せん日　平成31年4月30日\n本数字　０３　１１　１７　２２　２８　３１\n"
     u"ボーナス数字　（０９）\n\n第1002回\n本数字 01 05 09 14 20 26\nボーナス数字 (33)\n"_s,
     {{1001, kSix}, {1002, kSixNext}}},
};

class ResultsLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(ResultsLayout, GivesTheDraws) {
    const ResultsFile results = parseResultsFile(*GetParam().profile, GetParam().text.toUtf8());
    ASSERT_FALSE(results.error.has_value()) << results.error->toStdString();
    EXPECT_EQ(results.draws, GetParam().draws);
}

INSTANTIATE_TEST_SUITE_P(Texts, ResultsLayout, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<LayoutCase>& info) {
                             return std::string(info.param.name);
                         });

// Each date form, folded to ASCII as the reader folds a line; and what is no date.
struct DateCase {
    const char* name;
    QString field;
    QDate date;
};

void PrintTo(const DateCase& c, std::ostream* os) {
    *os << c.name;
}

const DateCase kDates[] = {
    {"Slashes", u"2026/1/9"_s, QDate(2026, 1, 9)},
    {"Hyphens", u"2026-01-09"_s, QDate(2026, 1, 9)},
    {"Dots", u"2026.1.9"_s, QDate(2026, 1, 9)},
    {"Kanji", u"2026年1月9日"_s, QDate(2026, 1, 9)},
    {"Reiwa", u"令和8年1月9日"_s, QDate(2026, 1, 9)},
    {"HeiseiFirstYear", u"平成元年5月7日"_s, QDate(1989, 5, 7)},
    {"ShortReiwa", u"R8.1.9"_s, QDate(2026, 1, 9)},
    {"ShortHeisei", u"H31.4.30"_s, QDate(2019, 4, 30)},
    {"KanjiWithWeekday", u"2026年1月9日(金)"_s, QDate(2026, 1, 9)},
    {"SlashesWithWeekdayAfterBlank", u"2026/01/09 (金曜日)"_s, QDate(2026, 1, 9)},
    {"NoDayOfTheCalendar", u"2026/2/30"_s, QDate()},
    {"MixedSeparators", u"2026/1-9"_s, QDate()},
    {"DrawNumber", u"1001"_s, QDate()},
    {"TextAfterTheDate", u"2026/1/9 x"_s, QDate()},
};

class DrawDateForm : public testing::TestWithParam<DateCase> {};

TEST_P(DrawDateForm, IsTheDay) {
    EXPECT_EQ(drawDate(GetParam().field).value_or(QDate()), GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(Fields, DrawDateForm, testing::ValuesIn(kDates),
                         [](const testing::TestParamInfo<DateCase>& info) {
                             return std::string(info.param.name);
                         });

// Texts refused whole, with the words that say why.
struct RefusalCase {
    const char* name;
    const GameProfile* profile;
    QByteArray bytes;
    QString because;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

QByteArray manyLines(qsizetype count) {
    QByteArray bytes;
    for (qsizetype i = 0; i < count; ++i)
        bytes += "x\n";
    return bytes;
}

const RefusalCase kRefusals[] = {
    {"Empty", &kRk6klvn, " \r\n", u"ファイルが空です"_s},
    {"NoDraw", &kRk6klvn, "hello\n", u"1 行もありません"_s},
    {"SevenNumberTableInTheSixNumberGame", &kRk6klvn,
     u"回,第1数字,第2数字,第3数字,第4数字,第5数字,第6数字,第7数字\n1001,3,7,12,18,25,31,36\n"_s
         .toUtf8(),
     u"ほかのゲーム"_s},
    {"MiniPageInTheSevenNumberGame", &kRk7klvn, u"第1001回\n本数字,2,9,15,23,30\n"_s.toUtf8(),
     u"ほかのゲーム"_s},
    {"OneDrawTwiceWithDifferentNumbers", &kRk6klvn,
     "1001,3,11,17,22,28,31,9\n1001,3,11,17,22,28,32,9\n", u"第1001回の数字が 2 か所で違います"_s},
    {"LineOfTooManyFields", &kRk6klvn,
     "1001,3,11,17,22,28,31,9\r\n1001" + QByteArray(ResultsFieldLimit, ','),
     u"2 行目の項目が多すぎます"_s},
    {"LineOfMillionsOfCommas", &kRk6klvn, QByteArray(ResultsFileLimit, ','), u"項目が多すぎます"_s},
    {"TooManyLines", &kRk6klvn, manyLines(ResultsLineLimit + 1), u"行が多すぎます"_s},
};

class ResultsRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(ResultsRefusal, SaysWhy) {
    const ResultsFile results = parseResultsFile(*GetParam().profile, GetParam().bytes);
    ASSERT_TRUE(results.error.has_value());
    EXPECT_TRUE(results.error->contains(GetParam().because)) << results.error->toStdString();
    EXPECT_TRUE(results.draws.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, ResultsRefusal, testing::ValuesIn(kRefusals),
                         [](const testing::TestParamInfo<RefusalCase>& info) {
                             return std::string(info.param.name);
                         });

class ResultsFiles : public TempFolderTest {};

TEST_F(ResultsFiles, GathersTheDrawsOfOneFilePerDrawAndNamesTheFileOfARefusal) {
    const QString first = writeFile(u"1001.csv"_s, "1001,3,11,17,22,28,31,9\n");
    const QString second =
        writeFile(u"1002.csv"_s, u"第1002回\n本数字,1,5,9,14,20,26,ボーナス数字,33\n"_s.toUtf8());
    const QString same = writeFile(u"all.csv"_s, "1001,3,11,17,22,28,31,9\n");
    const ResultsFile gathered = readResultsFiles(kRk6klvn, {first, second, same});
    ASSERT_FALSE(gathered.error.has_value()) << gathered.error->toStdString();
    EXPECT_EQ(gathered.draws, (Draws{{1001, kSix}, {1002, kSixNext}}));

    const QString empty = writeFile(u"empty.csv"_s, "");
    const ResultsFile withEmpty = readResultsFiles(kRk6klvn, {first, empty});
    ASSERT_TRUE(withEmpty.error.has_value());
    EXPECT_TRUE(withEmpty.error->startsWith(u"empty.csv"_s)) << withEmpty.error->toStdString();

    const QString other = writeFile(u"other.csv"_s, "1001,3,11,17,22,28,32,9\n");
    const ResultsFile disagreeing = readResultsFiles(kRk6klvn, {first, other});
    ASSERT_TRUE(disagreeing.error.has_value());
    EXPECT_TRUE(disagreeing.error->contains(u"1001.csv と other.csv"_s))
        << disagreeing.error->toStdString();
}

} // namespace
