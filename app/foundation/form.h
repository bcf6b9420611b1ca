#pragma once

#include <QString>

// The window's controls by name ("EDIT22", "BUTTON5"). The edit boxes are the program's data:
// handlers read and write the entered draws only through here.
class Form {
public:
    virtual ~Form() = default;

    virtual QString text(const QString& control) const = 0;
    virtual void setText(const QString& control, const QString& text) = 0;
    // The program moves the focus: an edit box gets its whole text selected, so that what the
    // user types next replaces it, and a cycle field becomes the current field of the cycle.
    virtual void setFocus(const QString& control) = 0;
    // The focus goes back to a box the user left, its caret and selection as they were.
    virtual void returnFocus(const QString& control) = 0;
};

inline QString editName(int number) {
    return QStringLiteral("EDIT%1").arg(number);
}
inline QString buttonName(int number) {
    return QStringLiteral("BUTTON%1").arg(number);
}
