#include "shown_texts.h"

#include <algorithm>

void ShownTexts::filled(Box box) {
    std::erase_if(shown, [box](const ShownText& text) {
        return text.at.x >= box.x1 && text.at.x <= box.x2 && text.at.y >= box.y1 &&
               text.at.y <= box.y2;
    });
}

void ShownTexts::drawn(Point at, const QString& text, int colour) {
    shown.push_back({at, text, colour});
}
