#pragma once

#include <QString>
#include <optional>

// What the user may put into an edit box by typing, pasting, dropping or confirming an
// input-method composition: digits only, and no more characters than the box's limit. Full-width
// digits (typed with the Japanese input method on) count as their ASCII digits. Texts that the
// program writes into a box are not bound by these rules.
//
// Returns the text to insert in place of the selection, cut to the room that is left, or nothing
// when the insertion is refused.
std::optional<QString> acceptedInsertion(const QString& current, qsizetype selectedLength,
                                         const QString& inserted, int limit);
