#include "program_files.h"

#include "profile_text.h"
#include "program_state.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString nativeFolder(const QString& folder) {
    return QDir::toNativeSeparators(QDir::cleanPath(QDir::fromNativeSeparators(folder)));
}

} // namespace

QStringList searchFolders(const ProgramState& state) {
    QStringList folders;
    // An empty program folder would make the first search silently the current directory.
    if (!state.ProgramFolder.isEmpty())
        folders << nativeFolder(state.ProgramFolder);
    const QString current = nativeFolder(QDir::currentPath());
    if (!folders.contains(current))
        folders << current;
    return folders;
}

QString findProgramFile(const ProgramState& state, const QString& fileName) {
    for (const QString& folder : searchFolders(state)) {
        const QFileInfo candidate(QDir(QDir::fromNativeSeparators(folder)), fileName);
        if (candidate.isFile())
            return QDir::toNativeSeparators(candidate.filePath());
    }
    return {};
}

QString executableName(std::string_view programName) {
#ifdef Q_OS_WIN
    return toQString(programName) + QStringLiteral(".exe");
#else
    return toQString(programName);
#endif
}

QString searchFolderLines(const ProgramState& state) {
    QString lines;
    for (const QString& folder : searchFolders(state))
        lines += QStringLiteral("\n  ") + folder;
    return lines;
}
