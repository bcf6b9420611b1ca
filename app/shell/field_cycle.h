#pragma once

#include <QString>
#include <QStringList>

struct GameProfile;

// The Enter-key field cycle: the entry fields in the order in which Enter walks through them.
// A cycle key moves the focus once per press, when the key is released: F1 forward, F12 back,
// F2 and F3 stay. Enter goes back when it was pressed with Shift held and Shift is still held
// when Enter is released; Enter pressed alone, or Shift released first, goes forward. The Enter
// that confirms an input-method composition moves nothing. Only a cycle field reacts.
class FieldCycle {
public:
    enum class Key { Enter, F1, F2, F3, F12, Other };

    explicit FieldCycle(const GameProfile& profile);

    const QStringList& fields() const { return FieldCycleFields; }
    int FieldCount() const { return static_cast<int>(FieldCycleFields.size()); }
    // 1-based position of the cycle field that last had the focus; 0 until one had it.
    int CurrentField() const { return CurrentFieldPosition; }

    // The focus went to a control; a cycle field becomes the current field.
    void focusEntered(const QString& control);

    // A key went down in the focused control, Shift held or not. Repeats of a held key and the
    // Enter of an input-method composition are ignored.
    void keyPressed(const QString& focused, Key key, bool autoRepeat, bool composing,
                    bool shiftDown);
    // Shift went up: an Enter held with it now moves forward.
    void shiftReleased();
    // A key went up; returns the field that gets the focus, or an empty text when the focus
    // stays where the platform has it.
    QString keyReleased(const QString& focused, Key key, bool autoRepeat, bool shiftDown);

    // Where the focus returns when the window is activated again: the current field, or an
    // empty text before any cycle field had the focus.
    QString fieldToRestore() const;

private:
    int positionOf(const QString& control) const;
    void move(int code);

    QStringList FieldCycleFields;
    int CurrentFieldPosition = 0;
    Key heldKey = Key::Other;
    bool heldWithShift = false;
};
