#pragma once

#include "fake_form.h"
#include "form.h"

#include <vector>

// Every box of the window holds its own text ("t1" .. "t28") before a command runs, so that a test
// sees exactly which boxes the command changed.
inline constexpr int kBoxCount = 28;

inline QString ownText(int box) {
    return QStringLiteral("t%1").arg(box);
}

inline void fillEveryBox(FakeForm& form) {
    for (int box = 1; box <= kBoxCount; ++box)
        form.texts[editName(box)] = ownText(box);
}

// The boxes that no longer hold their own text.
inline std::vector<int> changedBoxes(const FakeForm& form) {
    std::vector<int> changed;
    for (int box = 1; box <= kBoxCount; ++box) {
        if (form.text(editName(box)) != ownText(box))
            changed.push_back(box);
    }
    return changed;
}

// The boxes that are empty now.
inline std::vector<int> emptyBoxes(const FakeForm& form) {
    std::vector<int> empty;
    for (int box = 1; box <= kBoxCount; ++box) {
        if (form.text(editName(box)).isEmpty())
            empty.push_back(box);
    }
    return empty;
}
