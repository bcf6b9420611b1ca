#include "field_map.h"

#include "form.h"
#include "game_profile.h"
#include "profile_text.h"

namespace {

constexpr int kNumberColumnLeft = 176;
constexpr int kNumberColumnStep = 48;
constexpr int kRowTop[] = {36, 72, 108};
constexpr int kBoxHeight = 27;
constexpr int kNumberBoxWidth = 32;
constexpr int kDrawNumberLeft = 8;
constexpr int kDrawNumberWidth = 80;
constexpr int kHiddenBoxTop = 333;

constexpr int kNumberLimit = 2;
constexpr int kDrawNumberLimit = 6;
constexpr int kKeyLimit = 2;
constexpr int kListLimit = 60;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kKeyGreen{0, 128, 0};
constexpr Rgb kHighRed{255, 0, 0};
constexpr Rgb kLowBlue{0, 0, 255};

ControlSpec entryBox(const QString& name, int left, int top, int width, int limit) {
    ControlSpec spec;
    spec.name = name;
    spec.kind = ControlKind::Edit;
    spec.left = left;
    spec.top = top;
    spec.width = width;
    spec.height = kBoxHeight;
    spec.maxLength = limit;
    spec.fontName = FontName::Gothic;
    spec.fontSize = 20;
    spec.textColour = kBlack;
    spec.tabStop = true;
    return spec;
}

ControlSpec drawNumberBox(int row) {
    return entryBox(drawNumberBoxOfRow(row), kDrawNumberLeft, kRowTop[row - 1], kDrawNumberWidth,
                    kDrawNumberLimit);
}

// Box k (1-based) of a row: the bonus box of the 6-number game stands apart.
ControlSpec numberBox(const GameProfile& p, int row, int k) {
    const bool bonus = k > p.MainCount;
    const int left = bonus ? p.bonusBoxLeft : kNumberColumnLeft + kNumberColumnStep * (k - 1);
    return entryBox(editName(p.firstBoxOfRow(row) + k - 1), left, kRowTop[row - 1], kNumberBoxWidth,
                    kNumberLimit);
}

// Boxes that the mini game has but never shows: zero size, no tab stop.
ControlSpec hiddenBox(int number) {
    ControlSpec spec =
        entryBox(editName(number), kNumberColumnLeft, kHiddenBoxTop, 0, kNumberLimit);
    spec.height = 0;
    spec.tabStop = false;
    spec.visible = false;
    return spec;
}

ControlSpec button(int number, QString caption, int left, int top, int width, int height) {
    ControlSpec spec;
    spec.name = buttonName(number);
    spec.number = number;
    spec.kind = ControlKind::Button;
    spec.left = left;
    spec.top = top;
    spec.width = width;
    spec.height = height;
    spec.caption = std::move(caption);
    spec.fontName = FontName::Mincho;
    spec.fontSize = number <= 5 ? 14 : 16;
    spec.bold = number == 5 || number == 7;
    spec.tabStop = number == 5;
    return spec;
}

ControlSpec outputBox(const QString& name, int left, int top, int width, int limit, Rgb colour) {
    ControlSpec spec = entryBox(name, left, top, width, limit);
    spec.textColour = colour;
    spec.tabStop = false;
    return spec;
}

void addRow(std::vector<ControlSpec>& controls, const GameProfile& p, int row) {
    for (int k = 1; k <= p.RowSize; ++k)
        controls.push_back(numberBox(p, row, k));
}

void addButtonsAndOutputs(std::vector<ControlSpec>& c, const GameProfile& p) {
    const int clLeft = p.clearButtonLeft;
    const int clWidth = p.clearButtonWidth;
    c.push_back(button(1, QStringLiteral("CL"), clLeft, 36, clWidth, 27));
    c.push_back(button(2, QStringLiteral("CL"), clLeft, 72, clWidth, 27));
    c.push_back(button(3, QStringLiteral("CL"), clLeft, 108, clWidth, 27));
    c.push_back(button(4, QStringLiteral("全クリア"), 552, 108, 72, 36));
    c.push_back(button(5, QStringLiteral("次回予想"), 552, 36, 72, 36));
    c.push_back(button(6, QStringLiteral("計算結果"), 552, 144, 72, 36));
    c.push_back(button(7, QStringLiteral("回送り"), 552, 72, 72, 36));
    c.push_back(button(8, QStringLiteral("保存"), 552, 216, 72, 36));
    c.push_back(button(9, QStringLiteral("データ"), 552, 180, 72, 36));
    c.push_back(button(10, QStringLiteral("終了"), 552, 369, 72, 54));
    c.push_back(button(11, QStringLiteral("ヘルプ"), 552, 252, 72, 36));

    c.push_back(outputBox(FrontKeyBox, 264, 225, 32, kKeyLimit, kKeyGreen));
    ControlSpec high = outputBox(HighListBox, 120, 369, 416, kListLimit, kHighRed);
    ControlSpec low = outputBox(LowListBox, 120, 396, 416, kListLimit, kLowBlue);
    for (ControlSpec* list : {&high, &low}) {
        list->fontName = FontName::Mincho;
        list->fontSize = 18;
        list->align = TextAlign::Left;
        // Fifteen numbers are wider than the box; the tooltip shows the whole list in place.
        list->textAsToolTip = true;
    }
    c.push_back(high);
    c.push_back(low);
    ControlSpec back = outputBox(BackKeyBox, 264, 279, 32, kKeyLimit, kKeyGreen);
    back.fontName = FontName::PGothic; // keeps the form's own face
    back.fontSize = 18;
    c.push_back(back);

    c.push_back(button(12, toQString(p.sibling1Caption), 552, 288, 72, 36));
    c.push_back(button(13, toQString(p.sibling2Caption), 552, 324, 72, 36));
}

} // namespace

std::vector<ControlSpec> fieldMap(const GameProfile& p) {
    std::vector<ControlSpec> controls;
    if (p.drawNumberBoxesAfterRows) {
        for (int row = 1; row <= 3; ++row)
            addRow(controls, p, row);
        for (int number = p.numberBoxCount() + 1; number <= 21; ++number)
            controls.push_back(hiddenBox(number));
        for (int row = 1; row <= 3; ++row)
            controls.push_back(drawNumberBox(row));
    } else {
        for (int row = 1; row <= 3; ++row) {
            controls.push_back(drawNumberBox(row));
            addRow(controls, p, row);
        }
    }
    addButtonsAndOutputs(controls, p);
    return controls;
}

QStringList numberBoxesOfRow(const GameProfile& profile, int row) {
    QStringList boxes;
    for (int k = 0; k < profile.RowSize; ++k)
        boxes << editName(profile.firstBoxOfRow(row) + k);
    return boxes;
}

QStringList allNumberBoxes(const GameProfile& profile) {
    return numberBoxesOfRow(profile, 1) + numberBoxesOfRow(profile, 2) +
           numberBoxesOfRow(profile, 3);
}

QStringList predictionOutputBoxes() {
    return {FrontKeyBox, BackKeyBox, HighListBox, LowListBox};
}

void emptyBoxes(Form& form, const QStringList& boxes) {
    for (const QString& box : boxes)
        form.setText(box, QString());
}

QString drawNumberBoxOfRow(int row) {
    static const QString kBoxes[] = {QStringLiteral("EDIT22"), QStringLiteral("EDIT27"),
                                     QStringLiteral("EDIT28")};
    return kBoxes[row - 1];
}
