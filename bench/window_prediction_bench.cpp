// Times "次回予想" in the real window, from the click on the button to the repainted window, on
// Qt's offscreen platform: the handler, the drawing into the kept picture and the window's paint.

#include "field_map.h"
#include "font_faces.h"
#include "game_profiles.h"
#include "main_window.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kIterations = 500;

using Clock = std::chrono::steady_clock;

double medianMicroseconds(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void timeGame(const GameProfile& profile) {
    MainWindow window(profile);
    window.start(QStringLiteral("/opt/bench/program"));
    window.show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&window);
    auto* predict = window.findChild<QPushButton*>(QStringLiteral("BUTTON5"));

    const QStringList boxes = allNumberBoxes(profile);
    std::vector<double> samples;
    for (int i = 0; i < kIterations; ++i) {
        // Unsorted draws, so that every prediction sorts and writes back.
        for (qsizetype k = 0; k < boxes.size(); ++k)
            window.setText(boxes[k], QString::number(profile.RowSize - k % profile.RowSize +
                                                     profile.RowSize * (k / profile.RowSize)));
        window.setText(QStringLiteral("EDIT22"), QStringLiteral("1234"));
        const auto start = Clock::now();
        QTest::mouseClick(predict, Qt::LeftButton);
        window.repaint();
        samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::printf(
        "%-9s click to repainted window: median %.0f us over %d predictions (PredictionShown=%d)\n",
        profile.programName.data(), medianMicroseconds(samples), kIterations,
        window.state().PredictionShown);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication app(argc, argv);
    installFontSubstitutes();
    for (const GameProfile* profile : {&kRk7klvn, &kRk6klvn, &kMiniklvn})
        timeGame(*profile);
    return 0;
}
