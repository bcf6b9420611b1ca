#include "startup.h"

#include "base_screen.h"
#include "field_cycle.h"
#include "main_form.h"
#include "profile_text.h"

#include <QDir>

QString folderOf(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    return native.left(native.lastIndexOf(QDir::separator()) + 1);
}

void startUp(MainForm& form, const QString& programPath) {
    ProgramState& state = form.state;
    state.PredictionShown = 0;
    state.ProgramPath = QDir::toNativeSeparators(programPath);
    state.ProgramFolder = folderOf(state.ProgramPath);
    state.DataFolderPath =
        state.ProgramFolder + toQString(form.profile.DataFolderName) + QDir::separator();
    TAITORUKIHON(form);
}

void MAINFORM_SETFOCUS(MainForm& form, const FieldCycle& cycle) {
    if (const QString field = cycle.fieldToRestore(); !field.isEmpty())
        form.form.returnFocus(field);
}
