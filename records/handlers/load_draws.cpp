#include "record_commands.h"

#include "base_screen.h"
#include "draw_record.h"
#include "field_map.h"
#include "main_form.h"
#include "number_text.h"
#include "older_draw_numbers.h"
#include "record_file_error.h"

namespace {

const QString kDialogTitle = QStringLiteral("データー選択");
const QString kAllDataFiles = QStringLiteral("*.dat");
constexpr qsizetype kNumberFieldChars = 2;

FileDialogRequest openRequest(const MainForm& form) {
    return {.title = kDialogTitle,
            .folder = dataFolderForDialogs(form.state.DataFolderPath),
            .fileName = kAllDataFiles,
            .filter = DataFileFilter};
}

void readyForEntry(MainForm& form) {
    form.state.PredictionShown = 0;
    form.form.setFocus(editName(1));
}

// The loaded draw number as the game shows it: as it was stored, or where the game keeps only the
// last characters of a draw number, those.
QString loadedDrawNumberText(const GameProfile& profile, const QString& text) {
    return profile.drawNumberTextLimit > 0 ? lastChars(text, profile.drawNumberTextLimit) : text;
}

void fillBoxes(MainForm& form, const DrawRecord& record) {
    const QStringList boxes = allNumberBoxes(form.profile);
    for (qsizetype i = 0; i < boxes.size(); ++i)
        form.form.setText(boxes[i], lastChars(record[i], kNumberFieldChars));
    form.form.setText(drawNumberBoxOfRow(1), loadedDrawNumberText(form.profile, record.last()));
}

} // namespace

// The file is read and checked before anything in the window changes, so a file that cannot be
// loaded leaves the entered draws and the picture as they were.
void BUTTON9_ON(MainForm& form) {
    const std::optional<QString> path = form.dialogs.openFileName(openRequest(form));
    if (!path) {
        readyForEntry(form);
        return;
    }
    const DrawRecordRead read = ReadDrawRecord(*path, form.profile);
    if (read.error) {
        reportRecordFileError(form, RecordAction::Load, *read.error);
        return;
    }
    TAITORUKIHON(form);
    fillBoxes(form, read.fields);
    emptyBoxes(form.form, predictionOutputBoxes());
    showOlderDrawNumbersOfEntered(form, form.profile.loadedOlderDrawNumbers);
    readyForEntry(form);
}
