#pragma once

#include <QString>

class Dialogs;
class Shell;

inline const QString GeneralErrorCaption = QStringLiteral("エラー発生");
inline const QString GeneralErrorText = QStringLiteral("不具合が発生しました、終了します。");

// An unexpected failure in a handler: tell the user with the stop icon, then end the program
// with a non-zero status.
void generalErrorPath(Dialogs& dialogs, Shell& shell);
