#pragma once

#include "main_form.h"

#include <QString>

// Asks an OK/Cancel question with the information icon; closing the box counts as Cancel.
inline bool confirmed(MainForm& form, const QString& caption, const QString& text) {
    return form.dialogs.message(caption, text, MessageIcon::Information,
                                MessageButtons::OkCancel) == Answer::Ok;
}
