#include "surface_menu.h"

#include "backtest_dialog.h"
#include "main_form.h"
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
    BacktestDialog dialog(form.profile, form.state.DataFolderPath, &window);
    dialog.exec();
}
