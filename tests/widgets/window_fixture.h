#pragma once

#include "game_profile.h"
#include "main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

// A started, shown window of one game, as a program brings it up. The program is taken to live
// in programFolder (by default a folder that does not exist).
inline std::unique_ptr<MainWindow> startedWindow(const GameProfile& profile,
                                                 const QString& programFolder = "/opt/kelvane") {
    auto window = std::make_unique<MainWindow>(profile);
    window->start(programFolder + u'/' +
                  QString::fromLatin1(profile.programName.data(), profile.programName.size()));
    window->placeOnScreen();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowExposed(window.get()))
        throw std::runtime_error("the window was never shown");
    QCoreApplication::processEvents();
    return window;
}

// A child control by its control name. A missing one ends the test as a failure rather than
// handing back a null pointer for the test to crash on.
template <typename T> T* child(const MainWindow& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    if (!found)
        throw std::runtime_error("no control named " + name.toStdString());
    return found;
}

inline QString profileName(const GameProfile& profile) {
    return QString::fromLatin1(profile.programName.data(), profile.programName.size());
}
