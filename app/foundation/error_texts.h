#pragma once

#include <QString>

// The caption of every message that tells of a failure, and the text of the general error path.
inline const QString GeneralErrorCaption = QStringLiteral("エラー発生");
inline const QString GeneralErrorText = QStringLiteral("不具合が発生しました、終了します。");
