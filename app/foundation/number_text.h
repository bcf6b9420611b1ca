#pragma once

#include <QString>
#include <QStringView>

struct GameProfile;
struct ProgramState;

// The number-to-text conversion of the whole program: a non-negative number gets one leading
// blank (" 7", " 12"), a negative one its minus sign ("-5").
QString numberText(long long value);

// The value of a box's text: leading blanks (ASCII and full-width) are skipped and the longest
// leading decimal number counts; a text without one is 0. Values beyond any draw number
// saturate instead of overflowing.
double numericValue(QStringView text);

// The value of a box as the prediction reads it: leading blanks are skipped, then the decimal
// digits count; a sign, like anything else that is not a digit, ends the number, so "+5" is 0.
double enteredValue(QStringView text);

// The text without its leading blanks, ASCII and full-width alike.
QString withoutLeadingBlanks(const QString& text);

// The last `count` characters of a text; a shorter text stays whole.
QString lastChars(const QString& text, qsizetype count);

// A draw number in the game's form: the number text, or in the 6-number game its last six
// characters, so that a six-digit number loses its blank.
QString drawNumberText(const GameProfile& profile, long long value);

// Makes TwoDigitText from NumText: one leading blank is removed from NumText itself; one
// character gets a "0" in front, two stay; any other length leaves TwoDigitText as it was.
void MOJIZPLS(ProgramState& state);

// The text without one leading blank.
QString MOJIZCUT(const QString& text);

// Folds WrapIn into 1..poolSize by subtracting poolSize while it is above poolSize; WrapIn is
// reduced in place and copied to WrapOut. Values of 0 or below stay as they are.
void wrapIntoPool(ProgramState& state, int poolSize);

// The two-digit text of a whole number through the helper slots, as the prediction makes it.
QString twoDigitText(ProgramState& state, const QString& numText);
