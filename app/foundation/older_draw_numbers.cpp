#include "older_draw_numbers.h"

#include "field_map.h"
#include "main_form.h"
#include "number_text.h"

namespace {

QString textOf(const GameProfile& profile, long long value, DrawNumberForm style) {
    return style == DrawNumberForm::PlainDigits ? MOJIZCUT(numberText(value))
                                                : drawNumberText(profile, value);
}

} // namespace

void showOlderDrawNumbers(MainForm& form, long long latest, DrawNumberForm style) {
    form.form.setText(drawNumberBoxOfRow(2), textOf(form.profile, latest - 1, style));
    form.form.setText(drawNumberBoxOfRow(3), textOf(form.profile, latest - 2, style));
}

void showOlderDrawNumbersOfEntered(MainForm& form, DrawNumberForm style) {
    const auto latest = static_cast<long long>(numericValue(form.form.text(drawNumberBoxOfRow(1))));
    showOlderDrawNumbers(form, latest, style);
}
