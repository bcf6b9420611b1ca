#pragma once

#include "shown_texts.h"
#include "surface.h"

#include <QString>
#include <QStringList>
#include <vector>

// Records every drawing call as one line of text, in order, so that a test can compare the
// drawing sequence a routine issues ("fill 0,0-648,466 c14", "text 194,8 c3 'RIKO7  Kelvane'").
class RecordingSurface : public Surface {
public:
    void setFontName(const QString& name) override;
    void setFontSize(int pixelHeight) override;
    void setBold(bool bold) override;
    void fillBox(Box box, int colour) override;
    void drawLine(Point from, Point to, int colour) override;
    void drawText(Point topLeft, const QString& text, int colour) override;

    QStringList calls;
    ShownTexts shown;
    // The drawing font as the last calls left it.
    QString fontName;
    int fontSize = 0;
    bool bold = false;

    // Only the calls that paint (fills, lines and texts).
    QStringList paintCalls() const;
    // The texts drawn, with the font size they were drawn at: "18 194,8 c3 'RIKO7  Kelvane'".
    QStringList textCalls() const;

private:
    QStringList texts;
};
