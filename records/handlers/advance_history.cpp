#include "record_commands.h"

#include "base_screen.h"
#include "field_map.h"
#include "main_form.h"
#include "number_text.h"
#include "older_draw_numbers.h"

namespace {

const QString kCaption = QStringLiteral("回送り");
const QString kQuestion = QStringLiteral("回送りします");
// The history advances only while the next draw number keeps to six digits.
constexpr long long kLowestDrawNumber = 3;
constexpr long long kHighestDrawNumber = 999998;

QStringList textsOf(const MainForm& form, const QStringList& boxes) {
    QStringList texts;
    for (const QString& box : boxes)
        texts << form.form.text(box);
    return texts;
}

void setTexts(MainForm& form, const QStringList& boxes, const QStringList& texts) {
    for (qsizetype i = 0; i < boxes.size(); ++i)
        form.form.setText(boxes[i], texts[i]);
}

} // namespace

void BUTTON7_ON(MainForm& form) {
    const auto drawNumber =
        static_cast<long long>(numericValue(form.form.text(drawNumberBoxOfRow(1))));
    if (drawNumber < kLowestDrawNumber || drawNumber > kHighestDrawNumber)
        return;
    if (form.dialogs.message(kCaption, kQuestion, MessageIcon::Information,
                             MessageButtons::OkCancel) == Answer::Cancel) {
        form.form.setFocus(editName(1));
        return;
    }
    TAITORUKIHON(form);

    const QStringList row1 = numberBoxesOfRow(form.profile, 1);
    const QStringList row2 = numberBoxesOfRow(form.profile, 2);
    const QStringList oldRow1 = textsOf(form, row1);
    const QStringList oldRow2 = textsOf(form, row2);
    emptyBoxes(form.form, row1);
    setTexts(form, row2, oldRow1);
    setTexts(form, numberBoxesOfRow(form.profile, 3), oldRow2);
    emptyBoxes(form.form, predictionOutputBoxes());

    form.form.setText(drawNumberBoxOfRow(1), drawNumberText(form.profile, drawNumber + 1));
    showOlderDrawNumbers(form, drawNumber + 1);
    form.form.setFocus(editName(1));
}
