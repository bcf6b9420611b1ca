#include "field_cycle.h"

#include "field_map.h"
#include "form.h"
#include "game_profile.h"

namespace {

// Key codes of the cycle; codes 0 and 1 move forward, 12 and 100 back, 2 and 3 stay.
constexpr int kEnterForward = 0;
constexpr int kF1Forward = 1;
constexpr int kF2Stay = 2;
constexpr int kF3Stay = 3;
constexpr int kF12Back = 12;
constexpr int kShiftEnterBack = 100;

} // namespace

FieldCycle::FieldCycle(const GameProfile& profile) {
    // Each row's numbers lead on to the next row's draw number; in the 7- and 6-number games
    // the draw number of row 1 closes the cycle.
    FieldCycleFields << numberBoxesOfRow(profile, 1) << drawNumberBoxOfRow(2)
                     << numberBoxesOfRow(profile, 2) << drawNumberBoxOfRow(3)
                     << numberBoxesOfRow(profile, 3);
    if (profile.cycleEndsWithLatestDrawNumber)
        FieldCycleFields << drawNumberBoxOfRow(1);
}

int FieldCycle::positionOf(const QString& control) const {
    return static_cast<int>(FieldCycleFields.indexOf(control)) + 1;
}

void FieldCycle::focusEntered(const QString& control) {
    if (const int position = positionOf(control); position > 0)
        CurrentFieldPosition = position;
}

void FieldCycle::keyPressed(const QString& focused, Key key, bool autoRepeat, bool composing,
                            bool shiftDown) {
    if (autoRepeat || key == Key::Other || heldKey != Key::Other)
        return;
    if (positionOf(focused) == 0)
        return;
    if (key == Key::Enter && composing)
        return;
    focusEntered(focused);
    heldKey = key;
    heldWithShift = shiftDown;
}

void FieldCycle::shiftReleased() {
    heldWithShift = false;
}

QString FieldCycle::keyReleased(const QString& focused, Key key, bool autoRepeat, bool shiftDown) {
    if (autoRepeat || key != heldKey || key == Key::Other)
        return {};
    heldKey = Key::Other;
    if (positionOf(focused) == 0)
        return {};
    focusEntered(focused);
    switch (key) {
    case Key::Enter:
        move(heldWithShift && shiftDown ? kShiftEnterBack : kEnterForward);
        break;
    case Key::F1:
        move(kF1Forward);
        break;
    case Key::F2:
        move(kF2Stay);
        break;
    case Key::F3:
        move(kF3Stay);
        break;
    case Key::F12:
        move(kF12Back);
        break;
    case Key::Other:
        break;
    }
    return fieldToRestore();
}

void FieldCycle::move(int code) {
    if (code == kEnterForward || code == kF1Forward) {
        CurrentFieldPosition = CurrentFieldPosition >= FieldCount() ? 1 : CurrentFieldPosition + 1;
    } else if (code == kF12Back || code == kShiftEnterBack) {
        CurrentFieldPosition = CurrentFieldPosition <= 1 ? 1 : CurrentFieldPosition - 1;
    }
}

QString FieldCycle::fieldToRestore() const {
    return CurrentFieldPosition > 0 ? FieldCycleFields[CurrentFieldPosition - 1] : QString{};
}
