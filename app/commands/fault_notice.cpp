#include "fault_notice.h"

#include "main_form.h"

#include <QString>

void showFault(MainForm& form, const QString& text) {
    form.dialogs.message(QStringLiteral("エラー発生"), text, MessageIcon::Stop, MessageButtons::Ok);
}
