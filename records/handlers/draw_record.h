#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QIODevice;
struct GameProfile;

// The saved draw history: RecordFieldCount texts, the number boxes of rows 1, 2 and 3 from left
// to right, then the draw number of row 1.
using DrawRecord = QStringList;

// Both file dialogs offer the data files by this one type.
inline const QString DataFileFilter = QStringLiteral("ﾃﾞｰﾀ(*.dat)");

// Why a data file could not be written or read, in words for the user.
struct RecordFileError {
    QString path;
    QString reason;
};

// A record read from a file, or why it could not be read.
struct DrawRecordRead {
    DrawRecord fields;
    std::optional<RecordFileError> error;
};

// The folder the file dialogs open in: the data folder without its closing separator.
QString dataFolderForDialogs(const QString& dataFolderPath);

// The name proposed for saving: the game's prefix, the draw number without leading blanks, then
// "kai.dat" (draw 1234 of the 7-number game: 7R1234kai.dat).
QString DefaultRecordFileName(const GameProfile& profile, const QString& drawNumber);

// Writes the fields as one line of quoted, comma-separated Shift-JIS text, ended by CR LF and
// the end-of-file mark 0x1A. The new content replaces the file only once it is completely on
// disk, so a refused or interrupted save leaves an existing file as it was. Nothing on success.
std::optional<RecordFileError> WriteDrawRecord(const QString& path, const DrawRecord& fields);

// Reads `fieldCount` fields from the start of a data file by the tolerant reading rules
// (record_fields.h); whatever follows them is ignored. Only the first ReadLimit bytes of content
// are ever looked at: a file that holds no complete record there is refused, however large it
// is. A path that is not a plain file (a folder, a named pipe, a device) is refused without being
// opened.
DrawRecordRead ReadDrawRecord(const QString& path, int fieldCount);
// The same from a device open for reading; `path` names it in an error.
DrawRecordRead ReadDrawRecord(QIODevice& device, const QString& path, int fieldCount);

// Reads the game's record as above, but refuses a line that holds another game's whole record:
// the games share a data folder, and the first 16 fields of a 22-field record would fill the
// mini game's window with another game's draws and a number of row 3 as the draw number. Only a
// game with a longer record can be given one; more fields than the game's own are ignored.
DrawRecordRead ReadDrawRecord(const QString& path, const GameProfile& profile);
DrawRecordRead ReadDrawRecord(QIODevice& device, const QString& path, const GameProfile& profile);

// The largest record the program writes has 22 fields of at most 7 characters (a draw number the
// program set), each character at most 2 bytes in Shift-JIS, between quotes and separated by
// commas: 22 * 16 + 21 + 3 = 376 bytes. Ten times that leaves hand-made files ample room for
// blanks and line breaks, and still stops a wrong file (a picture, megabytes of text) from being
// taken in whole.
inline constexpr qsizetype ReadLimit = 4096;
