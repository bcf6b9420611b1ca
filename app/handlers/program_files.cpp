#include "program_files.h"

#include "profile_text.h"
#include "program_state.h"

#include <QDir>
#include <QFileInfo>

QString findProgramFile(const ProgramState& state, const QString& fileName) {
    // An empty folder would make a relative path, which resolves against the current directory.
    if (state.ProgramFolder.isEmpty())
        return {};
    const QFileInfo candidate(QDir(QDir::fromNativeSeparators(state.ProgramFolder)), fileName);
    if (!candidate.isAbsolute() || !candidate.isFile())
        return {};
    return QDir::toNativeSeparators(candidate.filePath());
}

QString programFolderText(const ProgramState& state) {
    if (state.ProgramFolder.isEmpty())
        return QStringLiteral("（プログラムのフォルダーが分かりません）");
    return QDir::toNativeSeparators(
        QDir::cleanPath(QDir::fromNativeSeparators(state.ProgramFolder)));
}

QString executableName(std::string_view programName) {
#ifdef Q_OS_WIN
    return toQString(programName) + QStringLiteral(".exe");
#else
    return toQString(programName);
#endif
}
