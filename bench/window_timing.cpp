#include "window_timing.h"

#include "draw_record.h"
#include "fake_platform.h"
#include "field_map.h"
#include "main_window.h"
#include "median.h"
#include "record_commands.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double microsecondsOf(const std::function<void()>& work) {
    const Clock::time_point start = Clock::now();
    work();
    return microsecondsSince(start);
}

[[noreturn]] void giveUp(const GameProfile& profile, const char* what) {
    std::fprintf(stderr, "%s: %s\n", profile.programName.data(), what);
    std::exit(EXIT_FAILURE);
}

// Distinct numbers of each row typed in falling order, so that every prediction sorts them and
// writes them back.
void typeUnsortedDraws(MainWindow& window, const GameProfile& profile) {
    const QStringList boxes = allNumberBoxes(profile);
    for (qsizetype k = 0; k < boxes.size(); ++k)
        window.setText(boxes[k], QString::number(profile.RowSize - k % profile.RowSize +
                                                 profile.RowSize * (k / profile.RowSize)));
    window.setText(drawNumberBoxOfRow(1), QStringLiteral("1234"));
}

// The window paints what is waiting for it, as the event loop would between two events.
void paintWhatIsPending() {
    QCoreApplication::sendPostedEvents();
}

// From a window on the screen, as the user sees it when the button comes up, to a window on the
// screen again: the handler and the repaint it causes. The button is pressed before, and shown
// pressed, untimed: the user holds it down for far longer than the window takes.
double clickToRepaint(QPushButton* button) {
    QTest::mousePress(button, Qt::LeftButton);
    paintWhatIsPending();
    return microsecondsOf([&] {
        QTest::mouseRelease(button, Qt::LeftButton);
        paintWhatIsPending();
    });
}

QPushButton* buttonOf(MainWindow& window, const GameProfile& profile, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    if (!button)
        giveUp(profile, "a button is missing");
    return button;
}

// Each prediction is followed by the results view over it.
void timePredictionsAndResults(MainWindow& window, const GameProfile& profile, int runs,
                               WindowFigures& figures) {
    QPushButton* predict = buttonOf(window, profile, "BUTTON5");
    QPushButton* results = buttonOf(window, profile, "BUTTON6");
    std::vector<double> predictions, resultViews;
    for (int i = 0; i <= runs; ++i) {
        typeUnsortedDraws(window, profile);
        const double predicted = clickToRepaint(predict);
        if (window.state().PredictionShown != 1)
            giveUp(profile, "a prediction failed");
        const double shown = clickToRepaint(results);
        if (i == 0) {
            figures.firstPrediction = predicted;
            figures.firstResults = shown;
        } else {
            predictions.push_back(predicted);
            resultViews.push_back(shown);
        }
    }
    figures.prediction = median(predictions);
    figures.results = median(resultViews);
}

// The handlers see the window's boxes and a drawing surface of their own; the dialogs answer
// with the bench's file at once.
struct RecordDesk {
    RecordDesk(MainWindow& window, const GameProfile& profile, const QString& file)
        : window(window), profile(profile), file(file) {
        state.DataFolderPath = QFileInfo(file).absolutePath() + QDir::separator();
    }

    double timeHandler(Handler handler) {
        FakeDialogs dialogs;
        FakeShell shell;
        dialogs.fileNames.push_back(file);
        MainForm form{profile, window, surface, dialogs, shell, state};
        paintWhatIsPending();
        const double took = microsecondsOf([&] {
            handler(form);
            paintWhatIsPending();
        });
        if (!dialogs.messages.isEmpty())
            giveUp(profile, qPrintable(dialogs.messages.join(u'\n')));
        return took;
    }

    MainWindow& window;
    const GameProfile& profile;
    QString file;
    ImageSurface surface;
    ProgramState state;
};

void timeSavesAndLoads(MainWindow& window, const GameProfile& profile, int runs,
                       const QString& file, WindowFigures& figures) {
    RecordDesk desk(window, profile, file);
    const QStringList boxes = allNumberBoxes(profile);
    std::vector<double> saves, loads;
    for (int i = 0; i < runs; ++i) {
        typeUnsortedDraws(window, profile);
        saves.push_back(desk.timeHandler(BUTTON8_ON));
        for (const QString& box : boxes)
            window.setText(box, QString());
        loads.push_back(desk.timeHandler(BUTTON9_ON));
        if (window.text(boxes.first()) != QString::number(profile.RowSize))
            giveUp(profile, "a load did not bring the saved draws back");
    }
    figures.save = median(saves);
    figures.load = median(loads);
}

void timeFileAlone(const GameProfile& profile, int runs, const QString& file,
                   WindowFigures& figures) {
    const DrawRecordRead saved = ReadDrawRecord(file, profile.RecordFieldCount);
    if (saved.error)
        giveUp(profile, "the saved file cannot be read");
    std::vector<double> writes, reads;
    for (int i = 0; i < runs; ++i) {
        writes.push_back(microsecondsOf([&] {
            if (WriteDrawRecord(file, saved.fields))
                giveUp(profile, "a write failed");
        }));
        reads.push_back(microsecondsOf([&] {
            if (ReadDrawRecord(file, profile.RecordFieldCount).fields != saved.fields)
                giveUp(profile, "a read did not give back what was written");
        }));
    }
    figures.write = median(writes);
    figures.read = median(reads);
}

} // namespace

WindowFigures timeWindow(const GameProfile& profile, int runs, const char* dataFolder,
                         int firstClickAfterMs) {
    MainWindow window(profile);
    window.start(QDir(QString::fromLocal8Bit(dataFolder)).filePath(QStringLiteral("program")));
    window.placeOnScreen();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        giveUp(profile, "the window was never shown");
    paintWhatIsPending();
    if (firstClickAfterMs > 0)
        QTest::qWait(firstClickAfterMs);

    WindowFigures figures;
    timePredictionsAndResults(window, profile, runs, figures);
    const QString file = QDir(QString::fromLocal8Bit(dataFolder))
                             .filePath(QStringLiteral("%1bench.dat")
                                           .arg(QString::fromLatin1(profile.FilePrefix.data(),
                                                                    profile.FilePrefix.size())));
    timeSavesAndLoads(window, profile, runs, file, figures);
    timeFileAlone(profile, runs, file, figures);
    return figures;
}
