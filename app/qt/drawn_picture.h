#pragma once

#include "picture_text.h"

#include <QWidget>

#include <functional>

// The window's drawn picture as an object that screen readers find: a widget over the whole
// window that paints nothing and takes no input, whose accessible name and text are the picture
// in words (picture_text.h). The window draws the picture itself, behind it.
class DrawnPicture : public QWidget {
    Q_OBJECT

public:
    using Reader = std::function<PictureText()>;

    DrawnPicture(Reader read, QWidget& window);

    PictureText read() const { return reader(); }
    // Tells screen readers that the picture changed, if it did. Asked after every command that
    // draws; without a screen reader it does nothing.
    void announceChange();

private:
    Reader reader;
    QString announced;
};
