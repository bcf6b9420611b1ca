#include "game_profiles.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

TEST(CopyMenu, SurfaceOffersTextAndPictureCopiesTheCheckAndTheEntryFromResults) {
    auto window = startedWindow(kRk7klvn);
    QStringList entries;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        const auto closeMenu = qScopeGuard([menu] { menu->close(); });
        for (QAction* action : menu->actions()) {
            entries << action->text();
            if (action->menu()) {
                for (QAction* item : action->menu()->actions())
                    entries << u"  "_s + item->text() + (item->isEnabled() ? u""_s : u" (off)"_s);
            }
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(30, 250),
                            window->mapToGlobal(QPoint(30, 250)));
    QApplication::sendEvent(window.get(), &event);
    // No results files are chosen yet: 照合's cannot be used.
    EXPECT_EQ(entries,
              QStringList({"コピー(&Y)", "  テキスト(&T)", "  テキスト/グラフィック(&M)",
                           "照合(&S)...", "結果から入力(&I)", "  照合の結果ファイルから(&R) (off)",
                           "  結果ファイルを選んで(&F)...", "  クリップボードから(&C)"}));
}

TEST(CopyMenu, CopiesTheWindowsTextAndPicture) {
    auto window = startedWindow(kRk7klvn);
    window->setText("EDIT22", "1234");
    window->surfaceMenu().copyText();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("１回前抽選 第1234回"));

    window->surfaceMenu().copyTextAndPicture();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasText());
    ASSERT_TRUE(data->hasImage());
    const QImage picture = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(picture.size(), window->size());
    EXPECT_EQ(picture.pixelColor(176, 5), QColor(255, 255, 0)); // the title bar
}

} // namespace
