#include "base_screen.h"

#include "field_map.h"
#include "main_form.h"
#include "prediction_frame.h"
#include "pressure_area.h"
#include "profile_text.h"

namespace {

constexpr Box kWholeSurface{0, 0, WindowWidth, WindowHeight};
constexpr int kTitleBarLeft = 176;
constexpr int kTitleBarTop = 5;
constexpr int kTitleBarBottom = 30;
constexpr Point kTitleAt{194, 8};

constexpr int kBracketLeft = 192;
constexpr int kBracketY = 145;
constexpr int kBracketTickTop = 140;
constexpr int kMiddleTickX = 285;
constexpr int kMiddleTickBottom = 150;
constexpr Point kMainNumbersLabelAt{266, 155};
constexpr int kBonusTickX = 488;
constexpr int kBonusTickBottom = 149;
constexpr Point kBonusLabelAt{471, 155};
constexpr int kRowSeparatorLeft = 410;
constexpr int kRowSeparatorRight = 455;
constexpr int kRowSeparatorY[] = {49, 85, 121};

constexpr int kKeyLabelY = 203;
constexpr Point kFrontLabelAt{247, 233};
constexpr Point kBackLabelAt{247, 287};

constexpr Point kDrawColumnLabelAt{28, 18};
constexpr Point kRowLabelAt[] = {{98, 44}, {98, 80}, {98, 116}};
constexpr Box kDrawNumberPlates[] = {{18, 72, 78, 99}, {18, 108, 78, 135}};

constexpr int kLabelFontSize = 14;
constexpr int kKeyLabelFontSize = 16;

void drawBracket(MainForm& form) {
    Surface& s = form.surface;
    const int right = form.profile.bracketEnd;
    s.drawLine({kBracketLeft, kBracketY}, {right, kBracketY}, Colour::Black);
    s.drawLine({kBracketLeft, kBracketTickTop}, {kBracketLeft, kBracketY}, Colour::Black);
    s.drawLine({right, kBracketTickTop}, {right, kBracketY}, Colour::Black);
    s.drawLine({kMiddleTickX, kBracketY}, {kMiddleTickX, kMiddleTickBottom}, Colour::Black);
    s.drawText(kMainNumbersLabelAt, QStringLiteral("本数字"), Colour::Black);
}

void drawGameMarks(MainForm& form) {
    Surface& s = form.surface;
    if (form.profile.bonusMark) {
        s.drawLine({kBonusTickX, kBracketTickTop}, {kBonusTickX, kBonusTickBottom}, Colour::Black);
        s.drawText(kBonusLabelAt, QStringLiteral("Ｂ数字"), Colour::Black);
    }
    if (form.profile.rowSeparators) {
        for (int y : kRowSeparatorY)
            s.drawLine({kRowSeparatorLeft, y}, {kRowSeparatorRight, y}, Colour::Black);
    }
}

void drawRowLabels(MainForm& form) {
    Surface& s = form.surface;
    s.drawText(kDrawColumnLabelAt, QStringLiteral("抽選回"), Colour::Black);
    s.drawText(kRowLabelAt[0], DrawRowLabels[0], Colour::Black);
    s.fillBox(kDrawNumberPlates[0], Colour::White);
    s.drawText(kRowLabelAt[1], DrawRowLabels[1], Colour::Black);
    s.fillBox(kDrawNumberPlates[1], Colour::White);
    s.drawText(kRowLabelAt[2], DrawRowLabels[2], Colour::Black);
}

} // namespace

void wipeSurface(MainForm& form) {
    form.surface.fillBox(kWholeSurface, Colour::LightGrey);
}

void drawTitleBar(MainForm& form) {
    drawTitleBar(form, form.profile.titleBarRight);
}

void drawTitleBar(MainForm& form, int right) {
    Surface& s = form.surface;
    const GameProfile& p = form.profile;
    s.fillBox({kTitleBarLeft, kTitleBarTop, right, kTitleBarBottom}, p.titleBarColour);
    s.setBold(true);
    s.drawText(kTitleAt, toQString(p.title), Colour::Blue);
    s.setBold(false);
}

void drawKeyLabels(MainForm& form) {
    Surface& s = form.surface;
    s.setFontSize(kKeyLabelFontSize);
    s.drawText({form.profile.keyLabelX, kKeyLabelY}, QStringLiteral("Key数字"), Colour::DarkGreen);
    s.setFontSize(kLabelFontSize);
    s.drawText(kFrontLabelAt, QStringLiteral("表"), Colour::DarkGreen);
    s.drawText(kBackLabelAt, QStringLiteral("裏"), Colour::DarkGreen);
}

void drawLabels(MainForm& form) {
    form.surface.setFontSize(kLabelFontSize);
    drawBracket(form);
    drawGameMarks(form);
    drawKeyLabels(form);
    drawRowLabels(form);
}

void drawDrawNumberPlates(MainForm& form) {
    for (const Box& plate : kDrawNumberPlates)
        form.surface.fillBox(plate, Colour::White);
    form.surface.setFontSize(RestingFontSize);
}

void TAITORUKIHON(MainForm& form) {
    Surface& s = form.surface;
    s.setFontName(RestingFontName);
    s.setFontSize(RestingFontSize);
    wipeSurface(form);
    drawTitleBar(form);
    drawLabels(form);
    s.setFontSize(RestingFontSize);
    KIATUKATA(form);
    YOSOUWAKU(form);
    drawDrawNumberPlates(form);
    form.state.PredictionShown = 0;
}
