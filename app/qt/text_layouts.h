#pragma once

#include <QFont>
#include <QHash>
#include <QRect>
#include <QStaticText>
#include <QString>

#include <unordered_map>
#include <vector>

// The picture's fonts and the texts laid out in them. A prediction draws the same few dozen short
// texts (two-digit numbers, labels, the header) in a handful of fonts every time: each font is
// resolved once, and each text laid out once per font and kept with the area it covers.
class TextLayouts {
public:
    struct Choice {
        QString name;
        int pixelHeight;
        bool bold;
        friend bool operator==(const Choice&, const Choice&) = default;
    };

    // A text laid out in one font, and the area it covers from its top-left corner: the
    // character cells and any ink beyond them.
    struct Text {
        QStaticText layout;
        QRect area;
    };

    // One font with the texts laid out in it. An entry stays where it is while others are added,
    // so a surface may keep hold of the one it draws with.
    class Font {
    public:
        explicit Font(const Choice& choice);

        const QFont& font() const { return qfont; }
        const Text& laidOut(const QString& text);

    private:
        QFont qfont;
        int ascent;
        QHash<QString, Text> texts;
    };

    Font& font(const Choice& choice);
    // The fonts chosen so far.
    std::vector<QFont> chosenFonts() const;

private:
    struct ChoiceHash {
        size_t operator()(const Choice& c) const {
            return qHashMulti(0, c.name, c.pixelHeight, c.bold);
        }
    };

    std::unordered_map<Choice, Font, ChoiceHash> fonts;
};
