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

// The draw-number column is labelled 「抽選回」 once, above the latest draw's box.
ControlSpec drawNumberBox(int row) {
    ControlSpec spec = entryBox(drawNumberBoxOfRow(row), kDrawNumberLeft, kRowTop[row - 1],
                                kDrawNumberWidth, kDrawNumberLimit);
    const QString column = QStringLiteral("抽選回");
    spec.accessibleName = row == 1 ? column : DrawRowLabels[row - 1] + u' ' + column;
    spec.accessibleDescription = QStringLiteral("%1 桁までの数字").arg(kDrawNumberLimit);
    return spec;
}

// Box k (1-based) of a row: the bonus box of the 6-number game stands apart.
ControlSpec numberBox(const GameProfile& p, int row, int k) {
    const bool bonus = k > p.MainCount;
    const int left = bonus ? p.bonusBoxLeft : kNumberColumnLeft + kNumberColumnStep * (k - 1);
    ControlSpec spec = entryBox(editName(p.firstBoxOfRow(row) + k - 1), left, kRowTop[row - 1],
                                kNumberBoxWidth, kNumberLimit);
    const QString place = bonus ? QStringLiteral("Ｂ数字") : QStringLiteral("%1 番目").arg(k);
    spec.accessibleName = DrawRowLabels[row - 1] + u' ' + place;
    spec.accessibleDescription = QStringLiteral("1 から %1 の数字").arg(p.PoolSize);
    return spec;
}

// Boxes that the mini game has but never shows: zero size, no tab stop.
ControlSpec hiddenBox(int number) {
    ControlSpec spec =
        entryBox(editName(number), kNumberColumnLeft, kHiddenBoxTop, 0, kNumberLimit);
    spec.height = 0;
    spec.tabStop = false;
    spec.visible = false;
    spec.accessibleName = QStringLiteral("未使用の欄 %1").arg(number);
    return spec;
}

// Keys that click BUTTON1..BUTTON11 from any box. The window's keys (Enter, F1 to F3, F12, Tab)
// and the boxes' editing keys stay as they are; these take Alt, which neither uses. The number
// keys name the rows, the letters the commands' readings where they can.
constexpr const char* kButtonKeys[] = {"Alt+1", "Alt+2", "Alt+3", "Alt+C", "Alt+Y", "Alt+K",
                                       "Alt+O", "Alt+S", "Alt+D", "Alt+X", "Alt+H"};

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
    if (number <= 11)
        spec.shortcut = QString::fromLatin1(kButtonKeys[number - 1]);
    return spec;
}

ControlSpec outputBox(const QString& name, const QString& accessibleName, int left, int top,
                      int width, int limit, Rgb colour) {
    ControlSpec spec = entryBox(name, left, top, width, limit);
    spec.textColour = colour;
    spec.tabStop = false;
    spec.accessibleName = accessibleName;
    spec.accessibleDescription = QStringLiteral("「次回予想」が書き込む欄");
    return spec;
}

ControlSpec clearButton(const GameProfile& p, int row) {
    ControlSpec spec = button(row, QStringLiteral("CL"), p.clearButtonLeft, kRowTop[row - 1],
                              p.clearButtonWidth, kBoxHeight);
    spec.accessibleName = DrawRowLabels[row - 1] + QStringLiteral("をクリア");
    return spec;
}

ControlSpec siblingButton(int number, std::u16string_view caption, std::string_view program,
                          std::string_view shortcut) {
    ControlSpec spec = button(number, toQString(caption), 552, number == 12 ? 288 : 324, 72, 36);
    spec.accessibleDescription = QStringLiteral("%1 に切り替える").arg(toQString(program));
    spec.shortcut = toQString(shortcut);
    return spec;
}

void addRow(std::vector<ControlSpec>& controls, const GameProfile& p, int row) {
    for (int k = 1; k <= p.RowSize; ++k)
        controls.push_back(numberBox(p, row, k));
}

void addButtonsAndOutputs(std::vector<ControlSpec>& c, const GameProfile& p) {
    for (int row = 1; row <= 3; ++row)
        c.push_back(clearButton(p, row));
    c.push_back(button(4, QStringLiteral("全クリア"), 552, 108, 72, 36));
    c.push_back(button(5, QStringLiteral("次回予想"), 552, 36, 72, 36));
    c.push_back(button(6, QStringLiteral("計算結果"), 552, 144, 72, 36));
    c.push_back(button(7, QStringLiteral("回送り"), 552, 72, 72, 36));
    c.push_back(button(8, QStringLiteral("保存"), 552, 216, 72, 36));
    c.push_back(button(9, QStringLiteral("データ"), 552, 180, 72, 36));
    c.push_back(button(10, QStringLiteral("終了"), 552, 369, 72, 54));
    c.push_back(button(11, QStringLiteral("ヘルプ"), 552, 252, 72, 36));

    c.push_back(
        outputBox(FrontKeyBox, QStringLiteral("キー数字 表"), 264, 225, 32, kKeyLimit, kKeyGreen));
    ControlSpec high = outputBox(HighListBox, HighListLabel, 120, 369, 416, kListLimit, kHighRed);
    ControlSpec low = outputBox(LowListBox, LowListLabel, 120, 396, 416, kListLimit, kLowBlue);
    for (ControlSpec* list : {&high, &low}) {
        list->fontName = FontName::Mincho;
        list->fontSize = 18;
        list->align = TextAlign::Left;
        // Fifteen numbers are wider than the box; the tooltip shows the whole list in place.
        list->textAsToolTip = true;
    }
    c.push_back(high);
    c.push_back(low);
    ControlSpec back =
        outputBox(BackKeyBox, QStringLiteral("キー数字 裏"), 264, 279, 32, kKeyLimit, kKeyGreen);
    back.fontName = FontName::PGothic; // keeps the form's own face
    back.fontSize = 18;
    c.push_back(back);

    c.push_back(siblingButton(12, p.sibling1Caption, p.sibling1Program, p.sibling1Shortcut));
    c.push_back(siblingButton(13, p.sibling2Caption, p.sibling2Program, p.sibling2Shortcut));
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
