#include "qt_platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>
#include <QWidget>

Answer QtDialogs::message(const QString& caption, const QString& text, MessageIcon icon,
                          MessageButtons buttons) {
    QMessageBox box(icon == MessageIcon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    caption, text,
                    buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                        : QMessageBox::Ok,
                    window);
    box.setObjectName(QStringLiteral("MESSAGEBOX"));
    // Closing the box counts as Cancel where there is one.
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

std::optional<QString> QtDialogs::saveFileName(const FileDialogRequest& request) {
    const QString chosen = QFileDialog::getSaveFileName(
        window, request.title, QDir(request.folder).filePath(request.fileName), request.filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen);
}

std::optional<QString> QtDialogs::openFileName(const FileDialogRequest& request) {
    const QString chosen = QFileDialog::getOpenFileName(
        window, request.title, QDir(request.folder).filePath(request.fileName), request.filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(chosen);
}

bool QtShell::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtShell::startProgram(const QString& path) {
    return QProcess::startDetached(path, {});
}

void QtShell::endProgram(int status) {
    window->hide();
    QCoreApplication::exit(status);
}
