#include "qt_platform.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QProcess>
#include <QSpacerItem>
#include <QUrl>
#include <QWidget>

namespace {

// Room in a title bar besides the caption: the window manager's icon, its minimise, maximise
// and close buttons, and the margins around them.
constexpr int kTitleBarButtonsWidth = 130;

// Qt sizes a message box by its text and buttons and allows the caption only 50 pixels more;
// under a window manager with a bold title font and its buttons, a long caption such as the
// mini game's is then cut. A strut as wide as the whole title bar keeps it whole.
void widenForCaption(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int width =
        QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarButtonsWidth;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

Answer QtDialogs::message(const QString& caption, const QString& text, MessageIcon icon,
                          MessageButtons buttons) {
    QMessageBox box(boxIcon(icon), caption, text, boxButtons(buttons), window);
    box.setObjectName(QStringLiteral("MESSAGEBOX"));
    widenForCaption(box);
    // Closing the box counts as Cancel or No where there is one.
    const int pressed = box.exec();
    return pressed == QMessageBox::Ok || pressed == QMessageBox::Yes ? Answer::Ok : Answer::Cancel;
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

std::optional<QStringList> QtDialogs::openFileNames(const FileDialogRequest& request) {
    QStringList chosen = QFileDialog::getOpenFileNames(
        window, request.title, QDir(request.folder).filePath(request.fileName), request.filter);
    if (chosen.isEmpty())
        return std::nullopt;
    for (QString& path : chosen)
        path = QDir::toNativeSeparators(path);
    return chosen;
}

bool QtShell::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtShell::startProgram(const QString& path, const QString& workingFolder) {
    return QProcess::startDetached(path, {}, workingFolder);
}

void QtShell::endProgram(int status) {
    window->hide();
    QCoreApplication::exit(status);
}
