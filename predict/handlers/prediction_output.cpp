#include "prediction_output.h"

#include "base_screen.h"
#include "field_map.h"
#include "main_form.h"
#include "number_text.h"
#include "pyramid.h"

#include <algorithm>

namespace {

constexpr int kHeaderY = 10;
constexpr long long kHeaderNumberCeiling = 1000000;
constexpr int kListFontSize = 16;

QString headerText(long long predictedDraw) {
    const QString words = QStringLiteral(" 回予想");
    if (predictedDraw >= kHeaderNumberCeiling)
        return words;
    return numberText(predictedDraw) + words;
}

QString candidateList(ProgramState& state, std::vector<int> sums) {
    std::sort(sums.begin(), sums.end());
    QStringList items;
    for (int sum : sums)
        items << u' ' + twoDigitText(state, numberText(sum));
    return items.join(u',');
}

} // namespace

void drawPredictionHeader(MainForm& form, long long latestDrawNumber) {
    drawTitleBar(form, form.profile.headerBarRight);
    form.surface.drawText({form.profile.headerNumberX, kHeaderY}, headerText(latestDrawNumber + 1),
                          Colour::Blue);
}

void showKeyNumbers(MainForm& form, const PyramidPrediction& prediction) {
    drawKeyLabels(form);
    form.form.setText(FrontKeyBox, prediction.frontKeyText);
    form.form.setText(BackKeyBox, prediction.backKeyText);
}

void showCandidateLists(MainForm& form, const PyramidPrediction& prediction) {
    Surface& s = form.surface;
    s.setFontName(FontName::Mincho);
    s.setFontSize(kListFontSize);
    form.form.setText(LowListBox, candidateList(form.state, prediction.low.lineSums));
    form.form.setText(HighListBox, candidateList(form.state, prediction.high.lineSums));
    s.setFontName(RestingFontName);
    s.setFontSize(RestingFontSize);
}

void keepResultTexts(ProgramState& state, const PyramidPrediction& prediction) {
    std::copy(prediction.lowLineTexts.begin(), prediction.lowLineTexts.end(),
              state.LowLineText.begin());
    std::copy(prediction.highLineTexts.begin(), prediction.highLineTexts.end(),
              state.HighLineText.begin());
    state.RowTotalText = prediction.rowTotalText;
    state.ReducedRowTotalText = prediction.reducedRowTotalText;
    state.LastRowText = prediction.lastRowText;
}
