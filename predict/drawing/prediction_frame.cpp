#include "prediction_frame.h"

#include "field_map.h"
#include "main_form.h"

namespace {

constexpr Box kLabelArea{5, 376, 112, 471};
constexpr Point kHighLabelAt{6, 374};
constexpr Point kLowLabelAt{6, 401};
constexpr int kLabelFontSize = 14;

} // namespace

void YOSOUWAKU(MainForm& form) {
    Surface& s = form.surface;
    s.setFontName(FontName::Mincho);
    s.setFontSize(kLabelFontSize);
    s.fillBox(kLabelArea, Colour::LightGrey);
    s.drawText(kHighLabelAt, HighListLabel, Colour::Red);
    s.drawText(kLowLabelAt, LowListLabel, Colour::Blue);
    s.setFontName(RestingFontName);
    s.setFontSize(RestingFontSize);
}
