#pragma once

#include "platform.h"

class QWidget;

// The platform's message boxes and file dialogs, owned by the main window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* window) : window(window) {}

    Answer message(const QString& caption, const QString& text, MessageIcon icon,
                   MessageButtons buttons) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    std::optional<QStringList> openFileNames(const FileDialogRequest& request) override;

private:
    QWidget* window;
};

// Opens documents with the desktop's viewer, starts programs detached and ends this one.
class QtShell : public Shell {
public:
    explicit QtShell(QWidget* window) : window(window) {}

    bool openDocument(const QString& path) override;
    bool startProgram(const QString& path, const QString& workingFolder) override;
    void endProgram(int status) override;

private:
    QWidget* window;
};
