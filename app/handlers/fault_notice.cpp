#include "fault_notice.h"

#include "error_texts.h"
#include "main_form.h"

#include <QString>

void showFault(MainForm& form, const QString& text) {
    form.dialogs.message(GeneralErrorCaption, text, MessageIcon::Stop, MessageButtons::Ok);
}
