#include "fake_platform.h"

namespace {

QString iconName(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QStringLiteral("stop");
    case MessageIcon::Question:
        return QStringLiteral("question");
    case MessageIcon::Information:
        break;
    }
    return QStringLiteral("info");
}

QString buttonsName(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QStringLiteral("okcancel");
    case MessageButtons::YesNo:
        return QStringLiteral("yesno");
    case MessageButtons::Ok:
        break;
    }
    return QStringLiteral("ok");
}

} // namespace

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
    messages
        << QStringLiteral("%1|%2|%3|%4").arg(caption, text, iconName(icon), buttonsName(buttons));
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

std::optional<QStringList> FakeDialogs::openFileNames(const FileDialogRequest& request) {
    openRequests.push_back(request);
    if (fileLists.empty())
        return std::nullopt;
    const QStringList names = fileLists.front();
    fileLists.pop_front();
    if (names.isEmpty())
        return std::nullopt;
    return names;
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
