#pragma once

#include "font_names.h"
#include "palette.h"

#include <QString>
#include <QStringList>
#include <vector>

class Form;

struct GameProfile;

enum class ControlKind { Edit, Button };
enum class TextAlign { Left, Right };

// One control of the window, as it is created at start.
struct ControlSpec {
    QString name;
    int number = 0; // buttons only: 5 for BUTTON5, whose click runs BUTTON5_ON
    ControlKind kind = ControlKind::Edit;
    int left = 0, top = 0, width = 0, height = 0;
    QString caption;   // buttons only
    int maxLength = 0; // edits only: how many characters the user may type
    QString fontName;
    int fontSize = 0; // character height in pixels
    bool bold = false;
    Rgb textColour{0, 0, 0};
    TextAlign align = TextAlign::Right;
    bool tabStop = false;
    bool visible = true;
    // edits only: the box's whole text is also its tooltip, for a text longer than the box shows
    bool textAsToolTip = false;
    // What a screen reader calls the control: what a sighted player reads off the window beside
    // it, unique in the window. A button without one is called by its caption.
    QString accessibleName;
    QString accessibleDescription;
    QString shortcut; // buttons only: the key that clicks it, in QKeySequence's portable text
};

// Every control of the game's window in creation order, which is also the Tab order.
std::vector<ControlSpec> fieldMap(const GameProfile& profile);

// The number boxes of draw row 1..3, main numbers first.
QStringList numberBoxesOfRow(const GameProfile& profile, int row);
// All number boxes of the three rows in order.
QStringList allNumberBoxes(const GameProfile& profile);
// The draw-number box of row 1..3: EDIT22, EDIT27, EDIT28.
QString drawNumberBoxOfRow(int row);

// The labels of draw rows 1..3, drawn beside the rows and naming them in the window's text.
inline const QString DrawRowLabels[] = {QStringLiteral("１回前抽選"), QStringLiteral("２回前抽選"),
                                        QStringLiteral("３回前抽選")};

// The key-number boxes and the two candidate lists.
inline const QString FrontKeyBox = QStringLiteral("EDIT23");
inline const QString HighListBox = QStringLiteral("EDIT24");
inline const QString LowListBox = QStringLiteral("EDIT25");
inline const QString BackKeyBox = QStringLiteral("EDIT26");
// The candidate lists' labels, drawn beside them and naming them.
inline const QString HighListLabel = QStringLiteral("高気圧型予想数字");
inline const QString LowListLabel = QStringLiteral("低気圧型予想数字");
// What a prediction writes: the two key numbers, then the two candidate lists.
QStringList predictionOutputBoxes();

// Empties the boxes.
void emptyBoxes(Form& form, const QStringList& boxes);
