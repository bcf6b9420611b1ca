#pragma once

#include "picture_changes.h"
#include "surface.h"

#include "text_layouts.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <memory>

// The drawing surface kept as an image of the client area, so that the picture survives the
// window being covered, minimised and restored: every drawing routine paints into the image,
// and the window shows it.
//
// A handler makes a few hundred drawing calls; one painter stays open across them, as opening a
// painter per call cost more than most calls draw. finishDrawing() closes it; the picture is
// complete after every call either way, but the owner closes it before showing or copying it.
//
// The fonts and laid-out texts may be shared with a surface that rehearses the drawing, so that
// what the rehearsal laid out is ready for the window.
class ImageSurface : public Surface {
public:
    static constexpr int Width = WindowWidth;
    static constexpr int Height = WindowHeight;

    ImageSurface();
    explicit ImageSurface(std::shared_ptr<TextLayouts> layouts);

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
    const QFont& font() { return currentFont().font(); }
    const std::shared_ptr<TextLayouts>& textLayouts() const { return layouts; }

private:
    QPainter& openPainter();
    QPainter& painterWithFont();
    TextLayouts::Font& currentFont();

    QImage picture;
    std::shared_ptr<TextLayouts> layouts;
    TextLayouts::Choice choice;
    TextLayouts::Font* chosen = nullptr;
    PictureChanges changes;
    // Declared after the picture, so that it ends before the picture goes.
    QPainter painter;
    bool fontChanged = true;
};
