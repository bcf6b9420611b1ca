#pragma once

#include "main_form.h"

#include <QHash>
#include <QString>

#include <functional>

class QObject;
class QWidget;

// Creates the window's edit boxes and buttons at their places in the field map, in its order.
// A button runs its handler through `run`; the edit boxes' events go through `boxEvents` first.
QHash<QString, QWidget*> createWindowControls(QWidget& window, const GameProfile& profile,
                                              QObject& boxEvents,
                                              const std::function<void(Handler)>& run);
