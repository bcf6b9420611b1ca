#include "draw_check.h"

#include "draw_rule.h"
#include "field_map.h"
#include "main_form.h"
#include "number_text.h"
#include "older_draw_numbers.h"
#include "prediction_frame.h"
#include "pressure_area.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kSortedTextLength = 2;
constexpr long long kSmallestDrawNumber = 3; // two earlier draws must exist
constexpr long long kDrawNumberCeiling = 1000000;

double boxValue(const MainForm& form, const QString& box) {
    return enteredValue(form.form.text(box));
}

void rejectBox(MainForm& form, const QString& box) {
    form.form.setText(box, QString());
    KIATUKATA(form);
    YOSOUWAKU(form);
    reportUnpredictable(form);
}

QString sortedNumberText(const GameProfile& profile, int value) {
    QString text = numberText(value);
    if (profile.sortedNumbersWithoutBlank)
        text = MOJIZCUT(text);
    return lastChars(text, kSortedTextLength);
}

// The bonus box is left alone here: it takes no part in the order of the main numbers.
bool sortMainNumbers(MainForm& form, int draw) {
    const GameProfile& profile = form.profile;
    const QStringList boxes = numberBoxesOfRow(profile, draw);
    std::vector<int> values;
    for (int slot = 1; slot <= profile.MainCount; ++slot) {
        const QString& box = boxes[slot - 1];
        const double value = boxValue(form, box);
        if (!inPool(profile, value)) {
            rejectBox(form, box);
            return false;
        }
        values.push_back(static_cast<int>(value));
    }
    std::stable_sort(values.begin(), values.end());
    for (int slot = 1; slot <= profile.MainCount; ++slot)
        form.form.setText(boxes[slot - 1], sortedNumberText(profile, values[slot - 1]));
    return true;
}

// The numbers before the first that breaks the rule are kept for the pyramids; that one's box is
// refused.
bool checkOrder(MainForm& form, int draw, std::array<int, kMaxRowSize>& row) {
    const GameProfile& profile = form.profile;
    const QStringList boxes = numberBoxesOfRow(profile, draw);
    std::vector<double> values;
    for (const QString& box : boxes)
        values.push_back(boxValue(form, box));
    const std::optional<int> broken = firstBrokenSlot(profile, values);
    for (int slot = 1; slot <= broken.value_or(profile.RowSize); ++slot) {
        row[slot - 1] = static_cast<int>(values[slot - 1]);
        // Made from the value, so whatever form the box's text has, the cell shows the number
        // that was checked.
        const int boxNumber = profile.firstBoxOfRow(draw) + slot - 1;
        form.state.DrawNumberText[boxNumber - 1] =
            twoDigitText(form.state, numberText(row[slot - 1]));
    }
    if (broken) {
        rejectBox(form, boxes[*broken]);
        return false;
    }
    return true;
}

} // namespace

std::optional<DrawValues> checkDraws(MainForm& form) {
    for (int draw = 1; draw <= 3; ++draw) {
        if (!sortMainNumbers(form, draw))
            return std::nullopt;
    }
    DrawValues values{};
    for (int draw = 1; draw <= 3; ++draw) {
        if (!checkOrder(form, draw, values[draw - 1]))
            return std::nullopt;
    }
    return values;
}

std::optional<long long> checkDrawNumber(MainForm& form) {
    const auto latest = static_cast<long long>(boxValue(form, drawNumberBoxOfRow(1)));
    if (latest < kSmallestDrawNumber) {
        reportUnpredictable(form);
        return std::nullopt;
    }
    showOlderDrawNumbers(form, latest);
    if (latest >= kDrawNumberCeiling) {
        form.form.setText(drawNumberBoxOfRow(1), QString());
        reportUnpredictable(form);
        return std::nullopt;
    }
    return latest;
}

void reportUnpredictable(MainForm& form) {
    form.dialogs.message(QStringLiteral("予想不可"), QStringLiteral("入力欄に不具合があります"),
                         MessageIcon::Information, MessageButtons::Ok);
}
