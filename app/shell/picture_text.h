#pragma once

#include "shown_texts.h"

#include <QString>
#include <vector>

struct MainForm;

// The window's picture in words, for screen readers: a name (the title and the header of the
// prediction shown) and a text of one item a line: the title, the header, the three draws, both
// pyramids' numbers row by row, the key numbers, the line sums that 「計算結果」 wrote and the
// two candidate lists. What the picture shows is read from its texts.
struct PictureText {
    QString name;
    QString text;
};

PictureText pictureText(MainForm& form, const std::vector<ShownText>& shown);
