#include "draw_record.h"

#include "game_profile.h"
#include "number_text.h"
#include "profile_text.h"
#include "record_fields.h"
#include "shift_jis.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr char16_t kFieldQuote = u'"';
constexpr char16_t kFieldSeparator = u',';
const QString kLineEnd = QStringLiteral("\r\n");
constexpr char kEndOfFileMark = '\x1A';

const QString kNameEnding = QStringLiteral("kai.dat");

bool isSeparatorChar(QChar c) {
    return c == u'/' || c == u'\\';
}

QString withDetail(const QString& reason, const QString& detail) {
    return QStringLiteral("%1（%2）").arg(reason, detail);
}

RecordFileError fileError(const QString& path, const QString& reason) {
    return {path, reason};
}

QString recordLine(const DrawRecord& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted << QChar(kFieldQuote) + field + QChar(kFieldQuote);
    return quoted.join(QChar(kFieldSeparator)) + kLineEnd;
}

// Opening a named pipe waits until something writes to it, which may be never; folders and
// devices hold no record either. A missing path is left for opening to report.
bool isSomethingButAFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

DrawRecordRead readFailure(const QString& path, const QString& reason) {
    return {{}, fileError(path, reason)};
}

// Up to `limit` bytes, fewer where the device ends first; nothing when reading fails.
std::optional<QByteArray> readAtMost(QIODevice& device, qsizetype limit) {
    QByteArray bytes(limit, Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < limit) {
        const qint64 got = device.read(bytes.data() + filled, limit - filled);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

QString anotherGamesRecordReason(int fieldCount) {
    return QStringLiteral("項目が多すぎます（このゲームのデータは %1 項目ですが、この行には"
                          "それより多くの項目があります。別のゲームのデータです）")
        .arg(fieldCount);
}

QString scanFailureReason(const FieldScan& scan, int fieldCount) {
    if (scan.end == FieldScanEnd::FileEnded)
        return QStringLiteral("データが途中で終わっています（%1 項目のうち %2 項目しかありません）")
            .arg(fieldCount)
            .arg(scan.fields.size());
    return QStringLiteral("先頭の %1 バイトにデータがそろっていません（%2 項目のうち %3 項目）")
        .arg(ReadLimit)
        .arg(fieldCount)
        .arg(scan.fields.size());
}

std::optional<int> refusedLineFields(const GameProfile& profile) {
    if (profile.longerRecordInFolder > 0)
        return profile.longerRecordInFolder;
    return std::nullopt;
}

DrawRecordRead readRecord(QIODevice& device, const QString& path, int fieldCount,
                          std::optional<int> refusedLineFields) {
    // The end-of-file mark is no content, so it may stand just beyond the limit; one byte more
    // tells a file that ends there from one that goes on.
    std::optional<QByteArray> read = readAtMost(device, ReadLimit + 2);
    if (!read)
        return readFailure(path,
                           withDetail(QStringLiteral("読み込めません"), device.errorString()));
    QByteArray& bytes = *read;

    bool wholeFile = bytes.size() <= ReadLimit + 1;
    if (wholeFile && bytes.endsWith(kEndOfFileMark))
        bytes.chop(1);
    if (bytes.size() > ReadLimit) {
        wholeFile = false;
        bytes.truncate(ReadLimit);
    }

    const FieldScan scan = scanRecordFields(bytes, fieldCount, wholeFile);
    if (scan.end != FieldScanEnd::Complete)
        return readFailure(path, scanFailureReason(scan, fieldCount));
    if (refusedLineFields && scan.lineFields >= *refusedLineFields)
        return readFailure(path, anotherGamesRecordReason(fieldCount));

    DrawRecordRead record;
    record.fields.reserve(scan.fields.size());
    for (qsizetype i = 0; i < scan.fields.size(); ++i) {
        std::optional<QString> field = fromShiftJis(scan.fields[i]);
        if (!field)
            return readFailure(
                path,
                QStringLiteral("%1 番目の項目が Shift-JIS の文字になっていません").arg(i + 1));
        record.fields << *field;
    }
    return record;
}

DrawRecordRead readRecord(const QString& path, int fieldCount,
                          std::optional<int> refusedLineFields) {
    if (isSomethingButAFile(path))
        return readFailure(
            path, QStringLiteral("通常のファイルではありません（フォルダー、パイプ、装置など）"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return readFailure(path,
                           withDetail(QStringLiteral("ファイルを開けません"), file.errorString()));
    return readRecord(file, path, fieldCount, refusedLineFields);
}

} // namespace

QString dataFolderForDialogs(const QString& dataFolderPath) {
    if (dataFolderPath.size() > 1 && isSeparatorChar(dataFolderPath.back()))
        return dataFolderPath.chopped(1);
    return dataFolderPath;
}

QString DefaultRecordFileName(const GameProfile& profile, const QString& drawNumber) {
    return toQString(profile.FilePrefix) + withoutLeadingBlanks(drawNumber) + kNameEnding;
}

std::optional<RecordFileError> WriteDrawRecord(const QString& path, const DrawRecord& fields) {
    std::optional<QByteArray> bytes = toShiftJis(recordLine(fields));
    if (!bytes)
        return fileError(path, QStringLiteral("Shift-JIS で書けない文字が入力欄にあります"));
    bytes->append(kEndOfFileMark);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fileError(path,
                         withDetail(QStringLiteral("ファイルを作れません"), file.errorString()));
    file.write(*bytes);
    if (!file.commit())
        return fileError(path, withDetail(QStringLiteral("書き込めません"), file.errorString()));
    return std::nullopt;
}

DrawRecordRead ReadDrawRecord(const QString& path, int fieldCount) {
    return readRecord(path, fieldCount, std::nullopt);
}

DrawRecordRead ReadDrawRecord(QIODevice& device, const QString& path, int fieldCount) {
    return readRecord(device, path, fieldCount, std::nullopt);
}

DrawRecordRead ReadDrawRecord(const QString& path, const GameProfile& profile) {
    return readRecord(path, profile.RecordFieldCount, refusedLineFields(profile));
}

DrawRecordRead ReadDrawRecord(QIODevice& device, const QString& path, const GameProfile& profile) {
    return readRecord(device, path, profile.RecordFieldCount, refusedLineFields(profile));
}
