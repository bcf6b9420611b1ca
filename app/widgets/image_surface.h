#pragma once

#include "picture_changes.h"
#include "surface.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QStaticText>

#include <unordered_map>

// The drawing surface kept as an image of the client area, so that the picture survives the
// window being covered, minimised and restored: every drawing routine paints into the image,
// and the window shows it.
//
// A handler makes a few hundred drawing calls; one painter stays open across them, as opening a
// painter per call cost more than most calls draw. finishDrawing() closes it; the picture is
// complete after every call either way, but the owner closes it before showing or copying it.
//
// A prediction draws the same few dozen short texts (two-digit numbers, labels, the header) in a
// handful of fonts every time. Each font is resolved once, and each text is laid out once per
// font and kept with the area its glyphs cover.
class ImageSurface : public Surface {
public:
    static constexpr int Width = WindowWidth;
    static constexpr int Height = WindowHeight;

    ImageSurface();

    void setFontName(const QString& name) override;
    void setFontSize(int pixelHeight) override;
    void setBold(bool bold) override;
    void fillBox(Box box, int colour) override;
    void drawLine(Point from, Point to, int colour) override;
    void drawText(Point topLeft, const QString& text, int colour) override;

    void finishDrawing();
    // Closes the painter before the window shows the picture, which may be in the middle of a
    // handler's drawing when its message box lets the window paint.
    void prepareToShow();
    // Where the picture differs from what the window showed when this was last called.
    QRegion takeChangedArea();

    const QImage& image() const { return picture; }
    // The drawing font as the last calls chose it.
    const QFont& font() { return currentFont().font; }

private:
    // A text laid out in one font, and the area it covers from its top-left corner: the
    // character cells and any ink beyond them.
    struct LaidOutText {
        QStaticText layout;
        QRect area;
    };

    struct FontChoice {
        QString name;
        int pixelHeight;
        bool bold;
        friend bool operator==(const FontChoice&, const FontChoice&) = default;
    };
    struct FontChoiceHash {
        size_t operator()(const FontChoice& f) const {
            return qHashMulti(0, f.name, f.pixelHeight, f.bold);
        }
    };

    // The fonts of one choice: the font itself and the texts laid out in it.
    struct FontEntry {
        QFont font;
        int ascent;
        QHash<QString, LaidOutText> texts;
    };

    QPainter& openPainter();
    QPainter& painterWithFont();
    FontEntry& currentFont();
    const LaidOutText& laidOut(FontEntry& entry, const QString& text);

    QImage picture;
    FontChoice choice;
    FontEntry* chosen = nullptr;
    // Node-based, so that an entry stays where it is while others are added.
    std::unordered_map<FontChoice, FontEntry, FontChoiceHash> fonts;
    PictureChanges changes;
    // Declared after the picture, so that it ends before the picture goes.
    QPainter painter;
    bool fontChanged = true;
};
