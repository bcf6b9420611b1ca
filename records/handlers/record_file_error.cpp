#include "record_file_error.h"

#include "draw_record.h"
#include "error_texts.h"
#include "main_form.h"

#include <QDir>

namespace {

const QString kSaveFailed = QStringLiteral("データを保存できませんでした。");
const QString kLoadFailed = QStringLiteral("データを読み込めませんでした。");

} // namespace

void reportRecordFileError(MainForm& form, RecordAction action, const RecordFileError& error) {
    const QString& what = action == RecordAction::Save ? kSaveFailed : kLoadFailed;
    const QString text =
        QStringLiteral("%1\n%2\n%3").arg(what, QDir::toNativeSeparators(error.path), error.reason);
    form.dialogs.message(GeneralErrorCaption, text, MessageIcon::Stop, MessageButtons::Ok);
}
