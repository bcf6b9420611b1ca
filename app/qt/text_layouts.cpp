#include "text_layouts.h"

#include "font_faces.h"

#include <QFontMetrics>

namespace {

// The header's draw number changes from draw to draw; the kept layouts stay few.
constexpr qsizetype kMostKeptTexts = 512;

// The picture's text is drawn without smoothing.
QFont unsmoothedFont(const TextLayouts::Choice& choice) {
    QFont font = windowFont(choice.name, choice.pixelHeight, choice.bold);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    return font;
}

} // namespace

TextLayouts::Font::Font(const Choice& choice)
    : qfont(unsmoothedFont(choice)), ascent(QFontMetrics(qfont).ascent()) {}

const TextLayouts::Text& TextLayouts::Font::laidOut(const QString& text) {
    auto found = texts.find(text);
    if (found != texts.end())
        return *found;
    if (texts.size() >= kMostKeptTexts)
        texts.clear();
    QStaticText layout(text);
    layout.setTextFormat(Qt::PlainText);
    layout.prepare(QTransform(), qfont);
    const QFontMetrics metrics(qfont);
    const QRect cells(0, 0, metrics.horizontalAdvance(text), metrics.height());
    // A pixel of margin, as unsmoothed glyphs are placed on whole pixels after their outlines.
    const QRect ink = metrics.boundingRect(text).translated(0, ascent).adjusted(-1, -1, 1, 1);
    return *texts.insert(text, Text{layout, cells.united(ink)});
}

TextLayouts::Font& TextLayouts::font(const Choice& choice) {
    auto found = fonts.find(choice);
    if (found == fonts.end())
        found = fonts.try_emplace(choice, choice).first;
    return found->second;
}

std::vector<QFont> TextLayouts::chosenFonts() const {
    std::vector<QFont> chosen;
    for (const auto& [choice, font] : fonts)
        chosen.push_back(font.font());
    return chosen;
}
