#pragma once

#include "main_form.h"
#include "platform.h"

#include <QStringList>
#include <deque>
#include <optional>

#include "fake_form.h"
#include "recording_surface.h"

// Dialogs that answer from queues the test fills, and record what they were asked.
class FakeDialogs : public Dialogs {
public:
    Answer message(const QString& caption, const QString& text, MessageIcon icon,
                   MessageButtons buttons) override;
    std::optional<QString> saveFileName(const FileDialogRequest& request) override;
    std::optional<QString> openFileName(const FileDialogRequest& request) override;
    // Answers from fileLists, as openFileName does from fileNames.
    std::optional<QStringList> openFileNames(const FileDialogRequest& request) override;

    std::deque<Answer> answers;    // default when empty: Ok
    std::deque<QString> fileNames; // chosen paths; an empty path or none left: cancelled
    std::deque<QStringList> fileLists;
    QStringList messages; // "caption|text|icon|buttons"
    std::vector<FileDialogRequest> saveRequests;
    std::vector<FileDialogRequest> openRequests;

private:
    std::optional<QString> nextFileName();
};

class FakeShell : public Shell {
public:
    bool openDocument(const QString& path) override;
    bool startProgram(const QString& path, const QString& workingFolder) override;
    void endProgram(int status) override { endedWith = status; }

    bool documentsOpen = true;
    bool programsStart = true;
    QStringList openedDocuments;
    QStringList startedPrograms;
    QStringList workingFolders; // of the started programs, in the same order
    std::optional<int> endedWith;
};

// A whole window of fakes for one game.
struct FakeWindow {
    explicit FakeWindow(const GameProfile& profile) : profile(profile) {}

    const GameProfile& profile;
    FakeForm form;
    RecordingSurface surface;
    FakeDialogs dialogs;
    FakeShell shell;
    ProgramState state;
    MainForm mainForm{profile, form, surface, dialogs, shell, state};
};
