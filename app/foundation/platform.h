#pragma once

#include <QString>
#include <QStringList>
#include <optional>

enum class MessageIcon { Information, Stop, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
// Yes counts as Ok, No as Cancel.
enum class Answer { Ok, Cancel };

// What a file dialog is opened with. Both dialogs show one file type, ask the chosen folder to
// exist and leave the program's current directory alone.
struct FileDialogRequest {
    QString title;
    QString folder;   // initial folder
    QString fileName; // initial name in the name field
    QString filter;   // e.g. "ﾃﾞｰﾀ(*.dat)"
};

// The platform's modal dialogs and message boxes.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual Answer message(const QString& caption, const QString& text, MessageIcon icon,
                           MessageButtons buttons) = 0;
    // The chosen path, or nothing when the user cancels. The save dialog asks before an
    // existing file is overwritten and adds no extension.
    virtual std::optional<QString> saveFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> openFileName(const FileDialogRequest& request) = 0;
    // Several files of one folder at once; nothing when the user cancels.
    virtual std::optional<QStringList> openFileNames(const FileDialogRequest& request) = 0;
};

// The platform's shell: opening documents, starting programs, ending this one.
class Shell {
public:
    virtual ~Shell() = default;

    // Paths are absolute: the shell never looks for them elsewhere, neither in the current
    // directory nor on the search path. Both return false when the document or program could
    // not be opened or started.
    virtual bool openDocument(const QString& path) = 0;
    // The program starts in the working folder given, without arguments.
    virtual bool startProgram(const QString& path, const QString& workingFolder) = 0;
    // Ends the program once the running handler has returned.
    virtual void endProgram(int status) = 0;
};
