#include "surface_menu.h"

#include "backtest_dialog.h"
#include "draws_from_results.h"
#include "main_form.h"
#include "results_files_choice.h"
#include "window_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

void SurfaceMenu::open(const QPoint& globalPos) {
    QMenu menu(&window);
    addCommands(menu);
    menu.exec(globalPos);
}

void SurfaceMenu::addCommands(QMenu& menu) {
    QMenu* copy = menu.addMenu(QStringLiteral("コピー(&Y)"));
    copy->addAction(QStringLiteral("テキスト(&T)"), [this] { copyText(); });
    copy->addAction(QStringLiteral("テキスト/グラフィック(&M)"), [this] { copyTextAndPicture(); });
    menu.addAction(QStringLiteral("照合(&S)..."), [this] { showBacktest(); });
    QMenu* enter = menu.addMenu(QStringLiteral("結果から入力(&I)"));
    QAction* fromRemembered = enter->addAction(QStringLiteral("照合の結果ファイルから(&R)"),
                                               [this] { enterFromRememberedFiles(); });
    fromRemembered->setEnabled(!remembered.files(form.state.DataFolderPath).isEmpty());
    enter->addAction(QStringLiteral("結果ファイルを選んで(&F)..."),
                     [this] { enterFromPickedFiles(); });
    enter->addAction(QStringLiteral("クリップボードから(&C)"), [this] { enterFromClipboard(); });
}

void SurfaceMenu::copyText() {
    QGuiApplication::clipboard()->setText(windowText(form));
}

void SurfaceMenu::copyTextAndPicture() {
    auto* data = new QMimeData;
    data->setText(windowText(form));
    data->setImageData(window.grab().toImage());
    QGuiApplication::clipboard()->setMimeData(data);
}

void SurfaceMenu::showBacktest() {
    BacktestDialog dialog(form.profile, form.state.DataFolderPath, remembered, &window);
    if (!dialog.stopped())
        dialog.exec();
}

void SurfaceMenu::enterFromRememberedFiles() {
    enterDrawsFromFiles(form, remembered.files(form.state.DataFolderPath));
}

void SurfaceMenu::enterFromPickedFiles() {
    if (const std::optional<QStringList> paths =
            form.dialogs.openFileNames(resultsFilesRequest(form.state.DataFolderPath)))
        enterDrawsFromFiles(form, *paths);
}

void SurfaceMenu::enterFromClipboard() {
    enterDrawsFromText(form, QGuiApplication::clipboard()->text());
}
