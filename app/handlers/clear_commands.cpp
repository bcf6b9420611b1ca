#include "commands.h"

#include "base_screen.h"
#include "confirmation.h"
#include "field_map.h"
#include "main_form.h"
#include "prediction_frame.h"
#include "pressure_area.h"

#include <QStringList>
#include <array>

namespace {

const QString kRowCaption = QStringLiteral("クリア");
const std::array<QString, 3> kRowQuestions{QStringLiteral("１回前数字欄をクリアします"),
                                           QStringLiteral("２回前数字欄をクリアします"),
                                           QStringLiteral("３回前数字欄をクリアします")};
const QString kAllCaption = QStringLiteral("全クリア");
const QString kAllQuestion = QStringLiteral("オールクリアします");

// The first and last box of the draw numbers, key numbers and candidate lists.
constexpr int kFirstNonNumberBox = 22;
constexpr int kLastBox = 28;

// The mini game's hidden boxes between its rows and the draw numbers are not among them.
QStringList everyUsedBox(const GameProfile& profile) {
    QStringList boxes = allNumberBoxes(profile);
    for (int box = kFirstNonNumberBox; box <= kLastBox; ++box)
        boxes << editName(box);
    return boxes;
}

// The draw number of the row stays: the user usually clears a row to type that draw again.
void clearRow(MainForm& form, int row) {
    wipeSurface(form);
    emptyBoxes(form.form, numberBoxesOfRow(form.profile, row) + predictionOutputBoxes());
    TAITORUKIHON(form);
}

void askToClearRow(MainForm& form, int row) {
    if (confirmed(form, kRowCaption, kRowQuestions.at(static_cast<std::size_t>(row - 1))))
        clearRow(form, row);
    form.form.setFocus(editName(form.profile.firstBoxOfRow(row)));
}

// The empty screen of start-up, drawn in the order the areas were first laid out: the pyramids
// and the list labels first, then the title and the labels around the boxes.
void drawEmptyScreen(MainForm& form) {
    form.surface.setFontName(RestingFontName);
    form.surface.setFontSize(RestingFontSize);
    KIATUKATA(form);
    YOSOUWAKU(form);
    drawTitleBar(form);
    drawLabels(form);
    drawDrawNumberPlates(form);
}

void clearEverything(MainForm& form) {
    wipeSurface(form);
    emptyBoxes(form.form, everyUsedBox(form.profile));
    drawEmptyScreen(form);
}

} // namespace

void BUTTON1_ON(MainForm& form) {
    askToClearRow(form, 1);
}
void BUTTON2_ON(MainForm& form) {
    askToClearRow(form, 2);
}
void BUTTON3_ON(MainForm& form) {
    askToClearRow(form, 3);
}

// Even on Cancel the results view is locked: the user has said the prediction is done with.
void BUTTON4_ON(MainForm& form) {
    if (confirmed(form, kAllCaption, kAllQuestion))
        clearEverything(form);
    form.state.PredictionShown = 0;
}
