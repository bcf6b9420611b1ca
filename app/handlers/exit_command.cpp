#include "commands.h"

#include "confirmation.h"
#include "main_form.h"
#include "profile_text.h"

namespace {

constexpr int kNormalExit = 0;

} // namespace

// Unsaved numbers are not asked about: the question itself is the only warning.
void BUTTON10_ON(MainForm& form) {
    if (confirmed(form, toQString(form.profile.exitCaption), QStringLiteral("終了しますか？")))
        form.shell.endProgram(kNormalExit);
}
