#include "record_commands.h"

#include "draw_record.h"
#include "field_map.h"
#include "main_form.h"
#include "number_text.h"
#include "older_draw_numbers.h"
#include "record_file_error.h"

namespace {

const QString kRefusedCaption = QStringLiteral("保存不可");
const QString kFaultyBoxText = QStringLiteral("入力欄に不具合があります");
const QString kDialogTitle = QStringLiteral("保存");

// The boxes a record is made of, in record order.
QStringList recordBoxes(const GameProfile& profile) {
    return allNumberBoxes(profile) << drawNumberBoxOfRow(1);
}

// The texts of the record's boxes, or nothing as soon as one of them is empty or zero.
std::optional<DrawRecord> recordTexts(const MainForm& form) {
    DrawRecord texts;
    for (const QString& box : recordBoxes(form.profile)) {
        const QString text = form.form.text(box);
        if (numericValue(text) == 0)
            return std::nullopt;
        texts << text;
    }
    return texts;
}

FileDialogRequest saveRequest(const MainForm& form, const QString& drawNumber) {
    return {.title = kDialogTitle,
            .folder = dataFolderForDialogs(form.state.DataFolderPath),
            .fileName = DefaultRecordFileName(form.profile, drawNumber),
            .filter = DataFileFilter};
}

} // namespace

void BUTTON8_ON(MainForm& form) {
    std::optional<DrawRecord> record = recordTexts(form);
    if (!record) {
        form.dialogs.message(kRefusedCaption, kFaultyBoxText, MessageIcon::Information,
                             MessageButtons::Ok);
        return;
    }
    showOlderDrawNumbersOfEntered(form);
    record->last() = withoutLeadingBlanks(record->last());

    const std::optional<QString> path =
        form.dialogs.saveFileName(saveRequest(form, record->last()));
    if (!path)
        return;
    if (const std::optional<RecordFileError> error = WriteDrawRecord(*path, *record))
        reportRecordFileError(form, RecordAction::Save, *error);
}
