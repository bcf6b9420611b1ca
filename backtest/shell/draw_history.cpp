#include "draw_history.h"

#include "draw_record.h"
#include "game_profile.h"
#include "number_text.h"
#include "profile_text.h"

#include <QDir>
#include <algorithm>

namespace {

constexpr qsizetype kNumberFieldChars = 2;

struct FileDraws {
    QString name;
    int latest = 0;
    KnownDraw draws[3]; // latest, latest - 1, latest - 2
};

struct Source {
    KnownDraw draw;
    QString from;
};

// The three draws of a record as a load puts them into the boxes and the prediction reads them.
std::optional<FileDraws> drawsOfRecord(const GameProfile& profile, const DrawRecord& record) {
    FileDraws file;
    file.latest = static_cast<int>(std::min(numericValue(record.last()), 1.0e9));
    if (file.latest < 3)
        return std::nullopt;
    for (int row = 0; row < 3; ++row) {
        QStringList texts;
        for (int slot = 0; slot < profile.RowSize; ++slot)
            texts << lastChars(record[row * profile.RowSize + slot], kNumberFieldChars);
        const std::optional<KnownDraw> draw = knownDraw(profile, texts);
        if (!draw)
            return std::nullopt;
        file.draws[row] = *draw;
    }
    return file;
}

QFileInfoList dataFilesOf(const GameProfile& profile, const QString& dataFolder) {
    const QString prefix = toQString(profile.FilePrefix);
    QFileInfoList files;
    for (const QFileInfo& entry :
         QDir(dataFolder).entryInfoList(QDir::Files | QDir::System, QDir::Name)) {
        const QString name = entry.fileName();
        if (name.startsWith(prefix) && name.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive))
            files << entry;
    }
    return files;
}

void readDataFiles(const GameProfile& profile, const QString& dataFolder, DrawHistory& history,
                   std::vector<FileDraws>& files, const StepProgress& progress) {
    const QFileInfoList entries = dataFilesOf(profile, dataFolder);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (progress && !progress(static_cast<int>(i), static_cast<int>(entries.size())))
            return;
        const QFileInfo& entry = entries[i];
        const DrawRecordRead read = ReadDrawRecord(entry.filePath(), profile);
        if (read.error) {
            // A file that gives its first field but not all of them is readable, only short.
            const bool readable = !ReadDrawRecord(entry.filePath(), 1).error;
            ++(readable ? history.shortFiles : history.unreadableFiles);
            continue;
        }
        std::optional<FileDraws> draws = drawsOfRecord(profile, read.fields);
        if (!draws) {
            ++history.invalidDrawFiles;
            continue;
        }
        draws->name = entry.fileName();
        ++history.filesRead;
        files.push_back(*draws);
    }
    if (progress)
        progress(static_cast<int>(entries.size()), static_cast<int>(entries.size()));
}

void lay(std::map<int, Source>& sources, int number, const Source& over,
         std::vector<Disagreement>& disagreements) {
    const auto [place, added] = sources.try_emplace(number, over);
    if (added)
        return;
    if (place->second.draw != over.draw)
        disagreements.push_back(
            {number, over.draw, over.from, place->second.draw, place->second.from});
    place->second = over;
}

} // namespace

DrawHistory assembleHistory(const GameProfile& profile, const QString& dataFolder,
                            const ResultsFile* results, const StepProgress& progress) {
    DrawHistory history;
    std::vector<FileDraws> files;
    readDataFiles(profile, dataFolder, history, files, progress);
    // Newer draws' files are laid last, so that they win over older ones.
    std::stable_sort(files.begin(), files.end(),
                     [](const FileDraws& a, const FileDraws& b) { return a.latest < b.latest; });
    std::map<int, Source> sources;
    for (const FileDraws& file : files) {
        for (int row = 2; row >= 0; --row)
            lay(sources, file.latest - row, {file.draws[row], file.name}, history.disagreements);
    }
    if (results) {
        history.skippedResultLines = results->skippedLines;
        for (const auto& [number, draw] : results->draws) {
            const auto told = sources.find(number);
            if (told != sources.end()) {
                ++history.sharedWithResults;
                history.resultsDisagreeing += told->second.draw != draw ? 1 : 0;
            }
            lay(sources, number, {draw, ResultsSourceName}, history.disagreements);
        }
    }
    for (const auto& [number, source] : sources)
        history.draws.emplace(number, source.draw);
    return history;
}

std::optional<QString> resultsDistrust(const DrawHistory& history) {
    if (history.resultsDisagreeing * 2 <= history.sharedWithResults)
        return std::nullopt;
    return QStringLiteral(
               "データファイルと結果ファイルの両方にある %1 回のうち %2 回で数字が違います。"
               "ほかのゲームか、別の結果のファイルのようです")
        .arg(history.sharedWithResults)
        .arg(history.resultsDisagreeing);
}
