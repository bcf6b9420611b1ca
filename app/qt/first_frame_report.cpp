#include "first_frame_report.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

// Watches the window for its first paint event. The window's paint, its children's paints and
// the flush of the frame to the screen all happen within the one expose or update that delivers
// that event, so a call queued from it runs once the whole frame is out.
class FirstFrameWatch : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !reported) {
            reported = true;
            QMetaObject::invokeMethod(this, &FirstFrameWatch::reportAndQuit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void reportAndQuit() {
        // steady_clock is CLOCK_MONOTONIC, which the starting process reads as well.
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::fprintf(stderr, "first frame %lld\n",
                     static_cast<long long>(
                         std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stderr);
        QCoreApplication::exit(0);
    }

    bool reported = false;
};

} // namespace

void reportFirstFrameIfAsked(QWidget& window) {
    if (!qEnvironmentVariableIsSet(FirstFrameReportVariable))
        return;
    window.installEventFilter(new FirstFrameWatch(&window));
}
