#pragma once

#include "backtest_dialog.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QScopeGuard>
#include <QString>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Steps of the tests that open the history check's dialog.

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Runs the check on the dialog once the window has opened it, then closes it.
inline void inNextBacktestDialog(std::function<void(BacktestDialog&)> check) {
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<BacktestDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        const auto close = qScopeGuard([dialog] { dialog->reject(); });
        check(*dialog);
    });
}
