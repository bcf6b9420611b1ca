#include "fake_platform.h"

std::optional<QString> FakeDialogs::nextFileName() {
    if (fileNames.empty())
        return std::nullopt;
    const QString name = fileNames.front();
    fileNames.pop_front();
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

Answer FakeDialogs::message(const QString& caption, const QString& text, MessageIcon icon,
                            MessageButtons buttons) {
    messages << QStringLiteral("%1|%2|%3|%4")
                    .arg(caption, text,
                         icon == MessageIcon::Stop ? QStringLiteral("stop")
                                                   : QStringLiteral("info"),
                         buttons == MessageButtons::OkCancel ? QStringLiteral("okcancel")
                                                             : QStringLiteral("ok"));
    if (answers.empty())
        return Answer::Ok;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> FakeDialogs::saveFileName(const FileDialogRequest& request) {
    saveRequests.push_back(request);
    return nextFileName();
}

std::optional<QString> FakeDialogs::openFileName(const FileDialogRequest& request) {
    openRequests.push_back(request);
    return nextFileName();
}

bool FakeShell::openDocument(const QString& path) {
    openedDocuments << path;
    return documentsOpen;
}

bool FakeShell::startProgram(const QString& path, const QString& workingFolder) {
    startedPrograms << path;
    workingFolders << workingFolder;
    return programsStart;
}
