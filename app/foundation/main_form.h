#pragma once

#include "form.h"
#include "game_profile.h"
#include "platform.h"
#include "program_state.h"
#include "surface.h"

#include <stdexcept>

// The window as the handlers see it: its boxes, its drawing surface, the platform's dialogs and
// shell, the game it plays and the program-wide values. Every handler takes this as its only
// argument.
struct MainForm {
    const GameProfile& profile;
    Form& form;
    Surface& surface;
    Dialogs& dialogs;
    Shell& shell;
    ProgramState& state;
};

using Handler = void (*)(MainForm&);

// A failure that no handler deals with itself; the window ends the program through the general
// error path when one escapes a handler.
class ProgramFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
