// Treats every input as the bytes of a data file that the user picks with "データ", in each of the
// three games: the bytes go through the reader on a device and then, from a file, through the
// whole load into a window of recording fakes. Besides what the sanitizers catch, every input
// must keep the load's promise: either the record arrives in the boxes whole, or the user is told
// and the window stays exactly as it was. The code page conversion the reader relies on is held
// to its own promise on the same bytes. A broken promise aborts, which libFuzzer reports as a
// crash with the input that caused it.

#include "draw_record.h"
#include "fake_platform.h"
#include "field_map.h"
#include "form.h"
#include "game_profiles.h"
#include "record_commands.h"
#include "shift_jis.h"

#include <QBuffer>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

const GameProfile* const kGames[] = {&kRk7klvn, &kRk6klvn, &kMiniklvn};

// The window as the user left it before the load: every box filled, a prediction on screen and
// the focus somewhere in the middle, so that any change the load makes shows.
const QString kEarlierText = QStringLiteral("old");
const QString kEarlierFocus = QStringLiteral("EDIT9");
constexpr int kEarlierPredictionShown = 1;
constexpr int kLastBox = 28;
// Three rows of seven; the mini game hides the boxes it does not use.
constexpr int kMostNumberBoxes = 21;

// Number boxes keep the last two characters of their field.
constexpr qsizetype kNumberFieldChars = 2;
const QString kErrorCaption = QStringLiteral("エラー発生");

// What a promise is checked on: a game's load, or the code page conversion.
using Subject = std::string_view;
constexpr Subject kConversion = "Shift-JIS";

[[noreturn]] void broken(Subject subject, const char* promise, const QString& detail) {
    std::fprintf(stderr, "%s: %s: %s\n", std::string(subject).c_str(), promise,
                 detail.toUtf8().constData());
    std::abort();
}

void expect(bool kept, Subject subject, const char* promise, const QString& detail = {}) {
    if (!kept)
        broken(subject, promise, detail);
}

void expect(bool kept, const GameProfile& game, const char* promise, const QString& detail = {}) {
    expect(kept, game.programName, promise, detail);
}

// Every window starts from the same box texts, so they are made once and shared: naming and
// filling 28 boxes for each window took a fifth of the fuzzing time.
const QMap<QString, QString>& earlierBoxTexts() {
    static const QMap<QString, QString> texts = [] {
        QMap<QString, QString> boxes;
        for (int n = 1; n <= kLastBox; ++n)
            boxes.insert(editName(n), kEarlierText);
        return boxes;
    }();
    return texts;
}

// The folder and file that the input stands in for the whole run; a run that cannot have them
// cannot test anything.
struct DataFile {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("fuzz.dat"));
};

DataFile& dataFile() {
    static DataFile file;
    if (!file.folder.isValid()) {
        std::fprintf(stderr, "no temporary folder for the data file: %s\n",
                     file.folder.errorString().toUtf8().constData());
        std::abort();
    }
    return file;
}

// The file is cut to the input's length after writing rather than emptied before: ext4 writes a
// file that was emptied and written again out to disk when it is closed, which made writing the
// input cost as much as a game's whole load.
void writeDataFile(QByteArrayView bytes) {
    QFile file(dataFile().path);
    if (!file.open(QIODevice::ReadWrite) ||
        file.write(bytes.data(), bytes.size()) != bytes.size() || !file.resize(bytes.size())) {
        std::fprintf(stderr, "cannot write the data file: %s\n",
                     file.errorString().toUtf8().constData());
        std::abort();
    }
}

DrawRecordRead readFromDevice(QByteArrayView bytes, const GameProfile& game) {
    QByteArray content = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer device(&content);
    device.open(QIODevice::ReadOnly);
    return ReadDrawRecord(device, QStringLiteral("fuzz input"), game);
}

void checkRead(const GameProfile& game, const DrawRecordRead& read) {
    if (read.error) {
        expect(read.fields.isEmpty(), game, "a refused record hands out no fields");
        expect(!read.error->reason.isEmpty(), game, "a refused record says why");
        return;
    }
    expect(read.fields.size() == game.RecordFieldCount, game, "a record has all its fields",
           QString::number(read.fields.size()));
}

// The end-of-file mark is no content: a file read with or without it gives the same record, or
// is refused both ways. A file whose content itself ends in the mark's byte has no such twin.
void checkEndOfFileMarkChangesNothing(const GameProfile& game, QByteArrayView bytes,
                                      const DrawRecordRead& read) {
    constexpr char kEndOfFileMark = '\x1A';
    const QByteArrayView content = bytes.endsWith(kEndOfFileMark) ? bytes.chopped(1) : bytes;
    if (content.endsWith(kEndOfFileMark))
        return;
    const QByteArray twin = content.size() < bytes.size() ? content.toByteArray()
                                                          : content.toByteArray() + kEndOfFileMark;
    const DrawRecordRead twinRead = readFromDevice(twin, game);
    expect(twinRead.error.has_value() == read.error.has_value() && twinRead.fields == read.fields,
           game, "the end-of-file mark changes nothing",
           twinRead.error ? twinRead.error->reason : (read.error ? read.error->reason : QString()));
}

struct LoadWindow {
    explicit LoadWindow(const GameProfile& game) : fakes(game) {
        fakes.state.DataFolderPath = dataFile().folder.path() + QLatin1Char('/');
        fakes.state.PredictionShown = kEarlierPredictionShown;
        fakes.form.texts = earlierBoxTexts();
        fakes.form.focused = kEarlierFocus;
        fakes.dialogs.fileNames.push_back(dataFile().path);
    }
    FakeWindow fakes;
};

void checkUntouched(const GameProfile& game, const FakeWindow& window) {
    expect(window.dialogs.messages.size() == 1, game, "a refused file is reported once",
           window.dialogs.messages.join(u'\n'));
    expect(window.dialogs.messages.front().startsWith(kErrorCaption + u'|'), game,
           "a refused file is reported as an error", window.dialogs.messages.front());
    expect(window.form.writes.isEmpty(), game, "a refused file changes no box",
           window.form.writes.join(u' '));
    expect(window.surface.calls.isEmpty(), game, "a refused file leaves the picture alone");
    expect(window.state.PredictionShown == kEarlierPredictionShown, game,
           "a refused file keeps the prediction");
    expect(window.form.focused == kEarlierFocus, game, "a refused file keeps the focus");
}

// A box shows the end of its field, as much of it as fits.
void checkFieldEnd(const GameProfile& game, const QString& shown, const QString& field,
                   qsizetype fits) {
    expect(shown.size() == std::min(field.size(), fits) && field.endsWith(shown), game,
           "a box shows the end of its field", shown + QStringLiteral(" <- ") + field);
}

// The draw numbers of the older rows are one and two below the loaded one. Where the game keeps
// only the last characters, a carry into the cut-off digits breaks the difference, so there
// only the length is certain.
void checkOlderDrawNumbers(const GameProfile& game, const FakeForm& form) {
    const QString older = form.text(drawNumberBoxOfRow(2));
    const QString oldest = form.text(drawNumberBoxOfRow(3));
    if (game.drawNumberTextLimit > 0) {
        expect(!older.isEmpty() && older.size() <= game.drawNumberTextLimit, game,
               "the older draw numbers keep the game's length", older);
        expect(!oldest.isEmpty() && oldest.size() <= game.drawNumberTextLimit, game,
               "the older draw numbers keep the game's length", oldest);
        return;
    }
    bool olderIsNumber = false;
    bool oldestIsNumber = false;
    const qlonglong olderValue = older.toLongLong(&olderIsNumber);
    const qlonglong oldestValue = oldest.toLongLong(&oldestIsNumber);
    expect(olderIsNumber && oldestIsNumber && olderValue - oldestValue == 1 &&
               !older.startsWith(u' '),
           game, "the older draw numbers are plain consecutive numbers", older + u' ' + oldest);
}

void checkLoaded(const GameProfile& game, const FakeWindow& window, const DrawRecord& fields) {
    const FakeForm& form = window.form;
    expect(window.dialogs.messages.isEmpty(), game, "a loaded file shows no message",
           window.dialogs.messages.join(u'\n'));
    const QStringList numberBoxes = allNumberBoxes(game);
    for (qsizetype i = 0; i < numberBoxes.size(); ++i)
        checkFieldEnd(game, form.text(numberBoxes[i]), fields[i], kNumberFieldChars);
    const qsizetype drawNumberFits =
        game.drawNumberTextLimit > 0 ? game.drawNumberTextLimit : fields.last().size();
    checkFieldEnd(game, form.text(drawNumberBoxOfRow(1)), fields.last(), drawNumberFits);
    for (const QString& box : {FrontKeyBox, BackKeyBox, HighListBox, LowListBox})
        expect(form.text(box).isEmpty(), game, "a load empties the keys and the lists");
    checkOlderDrawNumbers(game, form);
    for (int n = game.numberBoxCount() + 1; n <= kMostNumberBoxes; ++n)
        expect(form.text(editName(n)) == kEarlierText, game, "hidden boxes stay as they were",
               editName(n));
    expect(!window.surface.calls.isEmpty(), game, "a load draws the base screen again");
    expect(window.state.PredictionShown == 0, game, "a load takes the prediction away");
    expect(form.focused == editName(1), game, "a load puts the focus into the first box");
}

// How the bytes fall into characters of the code page, worked out from its byte ranges alone:
// a lead byte and the byte after it make one character, any other byte is one on its own.
struct ShiftJisShape {
    qsizetype characters = 0;
    bool wellFormed = true; // every lead byte has a trail byte after it
};

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
bool isTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

ShiftJisShape shapeOf(QByteArrayView bytes) {
    ShiftJisShape shape;
    for (qsizetype i = 0; i < bytes.size(); ++shape.characters) {
        if (!isLeadByte(static_cast<unsigned char>(bytes[i]))) {
            ++i;
            continue;
        }
        if (i + 1 >= bytes.size() || !isTrailByte(static_cast<unsigned char>(bytes[i + 1])))
            shape.wellFormed = false;
        i += 2;
    }
    return shape;
}

// The conversion must refuse what is not Shift-JIS and must not lose or add characters in what
// it accepts: the reader relies on a refusal to tell a broken file from a good one.
void checkShiftJis(QByteArrayView bytes) {
    const ShiftJisShape shape = shapeOf(bytes);
    const std::optional<QString> text = fromShiftJis(bytes);
    if (!shape.wellFormed) {
        expect(!text, kConversion, "bytes that are not Shift-JIS are refused",
               text.value_or(QString()));
        return;
    }
    if (text)
        expect(text->size() == shape.characters && !text->contains(QChar::ReplacementCharacter),
               kConversion, "Shift-JIS becomes one character per character", *text);
}

void loadInEveryGame(QByteArrayView bytes) {
    checkShiftJis(bytes);
    writeDataFile(bytes);
    for (const GameProfile* game : kGames) {
        const DrawRecordRead read = readFromDevice(bytes, *game);
        checkRead(*game, read);
        checkEndOfFileMarkChangesNothing(*game, bytes, read);

        LoadWindow window(*game);
        BUTTON9_ON(window.fakes.mainForm);
        if (read.error)
            checkUntouched(*game, window.fakes);
        else
            checkLoaded(*game, window.fakes, read.fields);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    loadInEveryGame(QByteArrayView(data, static_cast<qsizetype>(size)));
    return 0;
}
