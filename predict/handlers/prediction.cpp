#include "prediction.h"

#include "base_screen.h"
#include "draw_check.h"
#include "main_form.h"
#include "prediction_output.h"
#include "pyramid.h"
#include "pyramid_filling.h"

// The window is reset first, so a prediction that fails leaves the results view locked and the
// pyramids empty; the kept texts and lists of the last good prediction stay until one succeeds.
void BUTTON5_ON(MainForm& form) {
    TAITORUKIHON(form);
    const std::optional<DrawValues> draws = checkDraws(form);
    if (!draws)
        return;
    const std::optional<long long> latestDrawNumber = checkDrawNumber(form);
    if (!latestDrawNumber)
        return;
    drawPredictionHeader(form, *latestDrawNumber);
    KOUTEIKIATU(form);

    const PyramidPrediction prediction = predictFromDraws(form.profile, *draws);
    keepResultTexts(form.state, prediction);
    showKeyNumbers(form, prediction);
    showCandidateLists(form, prediction);
    form.state.PredictionShown = 1;
}
