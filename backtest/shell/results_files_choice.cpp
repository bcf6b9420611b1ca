#include "results_files_choice.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

FileDialogRequest resultsFilesRequest(const QString& dataFolder) {
    return {QStringLiteral("結果ファイル"), dataFolder, QString(),
            QStringLiteral("CSV(*.csv *.txt)")};
}

QString resultsFilesName(const QStringList& paths) {
    if (paths.size() <= 1)
        return QDir::toNativeSeparators(paths.value(0));
    const QString folder = QFileInfo(paths.first()).absolutePath();
    const bool oneFolder = std::all_of(paths.begin(), paths.end(), [&folder](const QString& path) {
        return QFileInfo(path).absolutePath() == folder;
    });
    if (oneFolder)
        return QStringLiteral("%1 の %2 個")
            .arg(QDir::toNativeSeparators(folder))
            .arg(paths.size());
    return QStringLiteral("%1 ほか %2 個")
        .arg(QDir::toNativeSeparators(paths.first()))
        .arg(paths.size() - 1);
}
