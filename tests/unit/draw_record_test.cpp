#include "draw_record.h"
#include "game_profiles.h"
#include "record_fields.h"

#include "record_test_support.h"

#include <QFileInfo>
#include <QIODevice>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QStringList texts(std::initializer_list<const char16_t*> items) {
    QStringList list;
    for (const char16_t* item : items)
        list << QString::fromUtf16(item);
    return list;
}

// The 7-number game's example record: draw 1234, entered after a prediction, so that the
// one-digit numbers carry a blank.
const DrawRecord kExampleRecord =
    texts({u" 3", u" 7", u"12", u"18", u"25", u"31", u"36", u" 1", u" 9", u"15", u"22",
           u"27", u"33", u"35", u" 4", u" 8", u"11", u"19", u"24", u"30", u"37", u"1234"});
const QByteArray kExampleBytes =
    QByteArray("\" 3\",\" 7\",\"12\",\"18\",\"25\",\"31\",\"36\",\" 1\",\" 9\",\"15\",\"22\","
               "\"27\",\"33\",\"35\",\" 4\",\" 8\",\"11\",\"19\",\"24\",\"30\",\"37\",\"1234\"") +
    QByteArray("\r\n\x1A");

using DrawRecordFile = TempFolderTest;

TEST_F(DrawRecordFile, WritesTheExampleByteForByte) {
    const QString path = pathOf(QStringLiteral("7R1234kai.dat"));
    EXPECT_FALSE(WriteDrawRecord(path, kExampleRecord).has_value());
    const QByteArray written = fileBytes(path);
    EXPECT_EQ(written.size(), 114);
    EXPECT_EQ(written, kExampleBytes);
}

TEST_F(DrawRecordFile, WritesFieldsAsTheyStandInShiftJis) {
    const QString path = pathOf(QStringLiteral("odd.dat"));
    EXPECT_FALSE(WriteDrawRecord(path, texts({u"\u30005", u"", u"a,b"})).has_value());
    EXPECT_EQ(fileBytes(path), QByteArray("\"\x81\x40"
                                          "5\",\"\",\"a,b\"\r\n\x1A"));
}

TEST_F(DrawRecordFile, ReplacesTheWholeContentOfAnExistingFile) {
    const QString path = writeFile(QStringLiteral("old.dat"), QByteArray(500, 'x'));
    EXPECT_FALSE(WriteDrawRecord(path, kExampleRecord).has_value());
    EXPECT_EQ(fileBytes(path), kExampleBytes);
}

TEST_F(DrawRecordFile, RefusesATextOutsideTheCodePageAndKeepsTheOldFile) {
    const QString path = writeFile(QStringLiteral("old.dat"), QByteArray("old content"));
    const std::optional<RecordFileError> error =
        WriteDrawRecord(path, texts({u"12", u"1234\U0001F600"}));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->path, path);
    EXPECT_FALSE(error->reason.isEmpty());
    EXPECT_EQ(fileBytes(path), QByteArray("old content"));
}

TEST_F(DrawRecordFile, ReportsAFolderThatCannotHoldTheFile) {
    // Refused even to the superuser: the file's folder is a plain file.
    const QString plainFile = writeFile(QStringLiteral("plain"), QByteArray("keep"));
    const QString path = plainFile + QStringLiteral("/7R1234kai.dat");
    const std::optional<RecordFileError> error = WriteDrawRecord(path, kExampleRecord);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->path, path);
    EXPECT_FALSE(error->reason.isEmpty());
    EXPECT_EQ(fileBytes(plainFile), QByteArray("keep"));
}

TEST_F(DrawRecordFile, ReportsAFolderChosenAsTheFileAndLeavesItsFilesAlone) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("chosen.dat")));
    const QString inside = writeFile(QStringLiteral("chosen.dat/6R1kai.dat"), QByteArray("keep"));
    const std::optional<RecordFileError> error =
        WriteDrawRecord(pathOf(QStringLiteral("chosen.dat")), kExampleRecord);
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(QFileInfo(pathOf(QStringLiteral("chosen.dat"))).isDir());
    EXPECT_EQ(fileBytes(inside), QByteArray("keep"));
}

// Permissions bind every user but the superuser; run as root these cases cannot be set up.
class ReadOnlyPlaces : public TempFolderTest {
protected:
    void SetUp() override {
#ifdef Q_OS_WIN
        GTEST_SKIP() << "Windows has no permissions of this kind: its read-only attribute does "
                        "not keep files out of a folder";
#else
        if (geteuid() == 0)
            GTEST_SKIP() << "permissions do not stop the superuser from writing";
#endif
    }
};

TEST_F(ReadOnlyPlaces, ReadOnlyFolderKeepsTheOldFile) {
    const QString path = writeFile(QStringLiteral("7R1234kai.dat"), QByteArray("old record"));
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    const std::optional<RecordFileError> error = WriteDrawRecord(path, kExampleRecord);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(error.has_value());
    EXPECT_EQ(fileBytes(path), QByteArray("old record"));
}

TEST_F(ReadOnlyPlaces, ReadOnlyFileIsKept) {
    const QString path = writeFile(QStringLiteral("7R1234kai.dat"), QByteArray("old record"));
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_TRUE(WriteDrawRecord(path, kExampleRecord).has_value());
    EXPECT_EQ(fileBytes(path), QByteArray("old record"));
}

TEST_F(DrawRecordFile, ReadsBackWhatItWrote) {
    const QString path = pathOf(QStringLiteral("7R1234kai.dat"));
    ASSERT_FALSE(WriteDrawRecord(path, kExampleRecord).has_value());
    const DrawRecordRead read = ReadDrawRecord(path, 22);
    ASSERT_FALSE(read.error.has_value()) << read.error->reason.toStdString();
    EXPECT_EQ(read.fields, kExampleRecord);
}

// Reading rules, each on a file of its own; three fields are asked for.
struct ReadingCase {
    const char* name;
    QByteArray bytes;
    QStringList fields;
};

const ReadingCase kReadingCases[] = {
    {"Quoted", "\"1\",\"2\",\"3\"\r\n\x1A", texts({u"1", u"2", u"3"})},
    {"QuotedKeepsBlanksCommasAndColons", "\" 1, 2:3\",\" x \",y",
     texts({u" 1, 2:3", u" x ", u"y"})},
    {"UnquotedWithBlanksAround", "  1 ,   2\t,3   \r\n", texts({u"1", u"2", u"3"})},
    {"UnquotedEndsAtColon", "1:2:3", texts({u"1", u"2", u"3"})},
    {"BlankLedTextKeptInQuotes", "\" 5\",\"05\",\"5\"", texts({u" 5", u"05", u"5"})},
    {"BlanksBeforeQuotedField", "   \"1\" ,  \"2\",\"3\"", texts({u"1", u"2", u"3"})},
    {"EmptyFieldsWithinALine", "1,,\"\"", texts({u"1", u"", u""})},
    {"FieldsOverLines", "\"1\",\"2\"\r\n\"3\"\r\n", texts({u"1", u"2", u"3"})},
    {"OneFieldPerLine", "1\r\n2\r\n3\r\n\x1A", texts({u"1", u"2", u"3"})},
    {"EmptyLinesBetweenFieldsPassedOver", "1\r\n\r\n  \r\n2,3", texts({u"1", u"2", u"3"})},
    {"TrailingCommaBeforeLineEnd", "1,2,\r\n3", texts({u"1", u"2", u"3"})},
    {"SeparatorsAndBlanksAfterTheLastField", "1,2,3, ,:,\r\n4,5\r\n", texts({u"1", u"2", u"3"})},
    {"FieldsAfterTheLastOnItsLineIgnored", "\"1\",\"2\"\r\n\"3\",\"4321\",\"extra\"\r\n\x1A",
     texts({u"1", u"2", u"3"})},
    {"ExtraLinesIgnored", "1,2,3\r\ngarbage \"\r\n\xFF\xFF", texts({u"1", u"2", u"3"})},
    {"CarriageReturnWithoutLineFeed", "\"1\"\r\"2\"\r\"3\"\r", texts({u"1", u"2", u"3"})},
    {"LineFeedWithoutCarriageReturn", "1\n2\n3\n", texts({u"1", u"2", u"3"})},
    {"NoLineEndAtAll", "\"1\",\"2\",\"3\"", texts({u"1", u"2", u"3"})},
    {"EndMarkIsNotContent", "1,2,3\x1A", texts({u"1", u"2", u"3"})},
    {"CharactersAfterClosingQuoteDropped", "\"12\"x,\"3\" y\r\n\"4\"", texts({u"12", u"3", u"4"})},
    {"OpenQuoteRunsToLineEnd", "\"1,2\r\n3,4", texts({u"1,2", u"3", u"4"})},
    {"OpenQuoteAtFileEnd", "1,2,\"3 ", texts({u"1", u"2", u"3 "})},
    {"ShiftJisContent", "\"\x81\x40\x35\",\x82\x54,\x82\xA0", texts({u"\u30005", u"５", u"あ"})},
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadingRules : public TempFolderTest, public testing::WithParamInterface<ReadingCase> {};

TEST_P(ReadingRules, TakesTheFields) {
    const QString path = writeFile(QStringLiteral("case.dat"), GetParam().bytes);
    const DrawRecordRead read = ReadDrawRecord(path, 3);
    ASSERT_FALSE(read.error.has_value()) << read.error->reason.toStdString();
    EXPECT_EQ(read.fields, GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Files, ReadingRules, testing::ValuesIn(kReadingCases),
                         [](const testing::TestParamInfo<ReadingCase>& info) {
                             return std::string(info.param.name);
                         });

struct FailingCase {
    const char* name;
    QByteArray bytes;
};

const FailingCase kFailingCases[] = {
    {"Empty", ""},
    {"OnlyTheEndMark", "\x1A"},
    {"OnlyEmptyLines", "\r\n\r\n  \r\n\x1A"},
    {"TooFewFields", "\"1\",\"2\"\r\n\x1A"},
    {"TooFewFieldsOverLines", "\"1\"\r\n\"2\"\r\n"},
    {"CutDoubleByteCharacter", "\"1\",\"2\",\"\x81\""},
    {"CutDoubleByteCharacterAtFileEnd", "1,2,\x82"},
    {"BytesOutsideTheCodePage", "1,\xFD\xFE\xFF,3"},
};

void PrintTo(const FailingCase& c, std::ostream* os) {
    *os << c.name;
}

class FailedReading : public TempFolderTest, public testing::WithParamInterface<FailingCase> {};

TEST_P(FailedReading, NamesTheFileAndTheReason) {
    const QString path = writeFile(QStringLiteral("bad.dat"), GetParam().bytes);
    const DrawRecordRead read = ReadDrawRecord(path, 3);
    ASSERT_TRUE(read.error.has_value());
    EXPECT_EQ(read.error->path, path);
    EXPECT_FALSE(read.error->reason.isEmpty());
    EXPECT_TRUE(read.fields.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, FailedReading, testing::ValuesIn(kFailingCases),
                         [](const testing::TestParamInfo<FailingCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(DrawRecordFile, TakesAnEndMarkBeforeTheLastByteAsContent) {
    const QString path = writeFile(QStringLiteral("marks.dat"), "1,2,3\x1A\x1A");
    const DrawRecordRead read = ReadDrawRecord(path, 3);
    ASSERT_FALSE(read.error.has_value());
    // Code-page tables differ in which control character the byte stands for, so only its
    // presence is checked.
    ASSERT_EQ(read.fields.size(), 3);
    EXPECT_EQ(read.fields[2].size(), 2);
    EXPECT_TRUE(read.fields[2].startsWith(u'3'));
}

TEST_F(DrawRecordFile, FailsOnAMissingFile) {
    const QString path = pathOf(QStringLiteral("missing.dat"));
    const DrawRecordRead read = ReadDrawRecord(path, 22);
    ASSERT_TRUE(read.error.has_value());
    EXPECT_EQ(read.error->path, path);
}

TEST_F(DrawRecordFile, FailsOnAFolder) {
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder.dat")));
    EXPECT_TRUE(ReadDrawRecord(pathOf(QStringLiteral("folder.dat")), 22).error.has_value());
}

#ifndef Q_OS_WIN // Windows has no named pipes among the files of a folder.
// Opening a named pipe for reading waits until something opens it for writing. A stand-by
// writer does so after a while, so that a read that does wait still ends and is caught.
TEST_F(DrawRecordFile, RefusesANamedPipeWithoutWaitingForAWriter) {
    using namespace std::chrono_literals;
    const QString path = pathOf(QStringLiteral("pipe.dat"));
    const QByteArray nativePath = QFile::encodeName(path);
    ASSERT_EQ(mkfifo(nativePath.constData(), 0600), 0);
    std::atomic<bool> readEnded = false;
    std::thread standByWriter([&] {
        const auto giveUp = std::chrono::steady_clock::now() + 2s;
        while (!readEnded && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(10ms);
        if (const int fd = open(nativePath.constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
            close(fd);
    });

    const auto started = std::chrono::steady_clock::now();
    const DrawRecordRead read = ReadDrawRecord(path, 22);
    const auto took = std::chrono::steady_clock::now() - started;
    readEnded = true;
    standByWriter.join();

    ASSERT_TRUE(read.error.has_value());
    EXPECT_EQ(read.error->path, path);
    EXPECT_LT(took, 1s);
    EXPECT_TRUE(QFileInfo(path).exists());
}
#endif

TEST_F(DrawRecordFile, FailsOnAMiniGameFileReadForTwentyTwoFields) {
    const QString path = writeFile(
        QStringLiteral("MR1234kai.dat"),
        "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\",\"7\",\"8\",\"9\",\"10\",\"11\",\"12\",\"13\",\"14\","
        "\"15\",\"1234\"\r\n\x1A");
    const DrawRecordRead read = ReadDrawRecord(path, 22);
    ASSERT_TRUE(read.error.has_value());
    EXPECT_TRUE(read.error->reason.contains(QStringLiteral("16")))
        << read.error->reason.toStdString();
}

// Large, binary and unfinished files: the reading stays within ReadLimit bytes.

constexpr qsizetype kMegabytes = 8 * 1024 * 1024;

TEST_F(DrawRecordFile, ReadsARecordAtTheStartOfMegabytesOfText) {
    const QString path = writeFile(QStringLiteral("big.dat"),
                                   kExampleBytes.chopped(1) + QByteArray(kMegabytes, 'z'));
    const DrawRecordRead read = ReadDrawRecord(path, 22);
    ASSERT_FALSE(read.error.has_value());
    EXPECT_EQ(read.fields, kExampleRecord);
}

TEST_F(DrawRecordFile, RefusesMegabytesOfTextWithoutLineEnd) {
    const QString path = writeFile(QStringLiteral("long.dat"), QByteArray(kMegabytes, '7'));
    const DrawRecordRead read = ReadDrawRecord(path, 22);
    ASSERT_TRUE(read.error.has_value());
    EXPECT_TRUE(read.error->reason.contains(QString::number(ReadLimit)));
}

TEST_F(DrawRecordFile, RefusesAQuoteLeftOpenOverMegabytes) {
    const QString path =
        writeFile(QStringLiteral("open.dat"), "\"1\",\"" + QByteArray(kMegabytes, 'a'));
    EXPECT_TRUE(ReadDrawRecord(path, 22).error.has_value());
}

TEST_F(DrawRecordFile, LooksNoFurtherThanTheReadLimit) {
    // The record is complete in the file, but only after the limit.
    const QString late =
        writeFile(QStringLiteral("late.dat"), QByteArray(ReadLimit, ' ') + kExampleBytes);
    EXPECT_TRUE(ReadDrawRecord(late, 22).error.has_value());

    const QString justIn = writeFile(QStringLiteral("in.dat"), QByteArray(ReadLimit - 113, ' ') +
                                                                   kExampleBytes.chopped(1) +
                                                                   QByteArray(kMegabytes, '9'));
    const DrawRecordRead read = ReadDrawRecord(justIn, 22);
    ASSERT_FALSE(read.error.has_value());
    EXPECT_EQ(read.fields, kExampleRecord);
}

TEST_F(DrawRecordFile, DoesNotTakeAFieldCutByTheReadLimitAsComplete) {
    // The last field's digits run on past the limit; it must not end where the reading stopped.
    const QByteArray head = kExampleBytes.left(kExampleBytes.indexOf("\"1234\""));
    const QByteArray padded = QByteArray(ReadLimit - head.size() - 2, ' ') + head + "12";
    ASSERT_EQ(padded.size(), ReadLimit);
    const QString path = writeFile(QStringLiteral("cut.dat"), padded + "34,\r\n");
    EXPECT_TRUE(ReadDrawRecord(path, 22).error.has_value());
}

// The end-of-file mark is no content: a file whose content fills the read limit and ends with the
// last field, unquoted, has the whole record within the limit.
TEST_F(DrawRecordFile, ReadsARecordThatFillsTheReadLimitUpToTheEndOfFileMark) {
    const QByteArray head = kExampleBytes.left(kExampleBytes.indexOf("\"1234\""));
    const QByteArray content = QByteArray(ReadLimit - head.size() - 4, ' ') + head + "1234";
    ASSERT_EQ(content.size(), ReadLimit);
    const QString path = writeFile(QStringLiteral("full.dat"), content + "\x1A");
    const DrawRecordRead read = ReadDrawRecord(path, 22);
    ASSERT_FALSE(read.error.has_value()) << read.error->reason.toStdString();
    EXPECT_EQ(read.fields, kExampleRecord);

    // One content byte more and the last field runs past the limit.
    const QString over = writeFile(QStringLiteral("over.dat"), content + "5\x1A");
    EXPECT_TRUE(ReadDrawRecord(over, 22).error.has_value());
}

TEST_F(DrawRecordFile, SurvivesBinaryBytes) {
    QByteArray bytes;
    for (int round = 0; round < 64; ++round)
        for (int b = 0; b < 256; ++b)
            bytes.append(static_cast<char>((b * 37 + round) & 0xFF));
    const QString path = writeFile(QStringLiteral("binary.dat"), bytes);
    for (int count : {3, 16, 22}) {
        const DrawRecordRead read = ReadDrawRecord(path, count);
        EXPECT_TRUE(read.error.has_value() || read.fields.size() == count) << count;
    }
}

// A stream of digits that would go on for a gigabyte, counting what is taken from it.
class EndlessDigits : public QIODevice {
public:
    EndlessDigits() { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }

    qint64 taken = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        constexpr qint64 kGigabyte = qint64(1) << 30;
        const qint64 count = std::min(maxSize, kGigabyte - taken);
        std::fill_n(data, count, '7');
        taken += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

TEST(DrawRecordDevice, TakesNoMoreThanTheReadLimitFromAnEndlessStream) {
    EndlessDigits digits;
    const DrawRecordRead read = ReadDrawRecord(digits, QStringLiteral("stream"), 22);
    EXPECT_TRUE(read.error.has_value());
    EXPECT_LE(digits.taken, ReadLimit + 2);
}

class FailingDevice : public QIODevice {
public:
    FailingDevice() { open(QIODevice::ReadOnly | QIODevice::Unbuffered); }

protected:
    qint64 readData(char*, qint64) override {
        setErrorString(QStringLiteral("device gone"));
        return -1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

TEST(DrawRecordDevice, ReportsAReadFailureWithThePlatformsReason) {
    FailingDevice device;
    const DrawRecordRead read = ReadDrawRecord(device, QStringLiteral("/data/x.dat"), 22);
    ASSERT_TRUE(read.error.has_value());
    EXPECT_EQ(read.error->path, QStringLiteral("/data/x.dat"));
    EXPECT_TRUE(read.error->reason.contains(QStringLiteral("device gone")));
}

// The scan on its own, where the bytes are only the start of a file.
TEST(RecordFieldScan, StopsAtTheLimitUnlessAFieldIsClosed) {
    EXPECT_EQ(scanRecordFields("1,2,3", 3, false).end, FieldScanEnd::LimitReached);
    EXPECT_EQ(scanRecordFields("1,2,3", 3, true).end, FieldScanEnd::Complete);
    EXPECT_EQ(scanRecordFields("1,2,3,", 3, false).end, FieldScanEnd::Complete);
    EXPECT_EQ(scanRecordFields("1,2,\"3\"", 3, false).end, FieldScanEnd::Complete);
    EXPECT_EQ(scanRecordFields("1,2,\"3", 3, false).end, FieldScanEnd::LimitReached);
    EXPECT_EQ(scanRecordFields("1,2,", 3, false).end, FieldScanEnd::LimitReached);
    EXPECT_EQ(scanRecordFields("1,2,", 3, true).end, FieldScanEnd::FileEnded);
}

struct NameCase {
    const GameProfile* profile;
    const char16_t* drawNumber;
    const char16_t* name;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.profile->programName << " '" << QString::fromUtf16(c.drawNumber).toStdString() << "'";
}

class ProposedName : public testing::TestWithParam<NameCase> {};

TEST_P(ProposedName, IsPrefixDrawNumberAndKai) {
    EXPECT_EQ(DefaultRecordFileName(*GetParam().profile, QString::fromUtf16(GetParam().drawNumber)),
              QString::fromUtf16(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Games, ProposedName,
                         testing::Values(NameCase{&kRk7klvn, u"1234", u"7R1234kai.dat"},
                                         NameCase{&kRk6klvn, u"1234", u"6R1234kai.dat"},
                                         NameCase{&kMiniklvn, u"1234", u"MR1234kai.dat"},
                                         NameCase{&kRk7klvn, u" 1235", u"7R1235kai.dat"},
                                         NameCase{&kRk6klvn, u"\u3000 \u300012", u"6R12kai.dat"},
                                         NameCase{&kMiniklvn, u"12 ", u"MR12 kai.dat"}));

TEST(DataFolderForDialogs, DropsTheClosingSeparatorOnly) {
    EXPECT_EQ(dataFolderForDialogs(QStringLiteral("/opt/rk/rkk7data/")),
              QStringLiteral("/opt/rk/rkk7data"));
    EXPECT_EQ(dataFolderForDialogs(QStringLiteral("C:\\rk\\rkk6data\\")),
              QStringLiteral("C:\\rk\\rkk6data"));
    EXPECT_EQ(dataFolderForDialogs(QStringLiteral("/opt/rk")), QStringLiteral("/opt/rk"));
    EXPECT_EQ(dataFolderForDialogs(QStringLiteral("/")), QStringLiteral("/"));
}

} // namespace
