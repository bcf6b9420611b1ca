#pragma once

#include "error_texts.h"

#include <QString>

class Dialogs;
class Shell;

// An unexpected failure in a handler: tell the user with the stop icon, then end the program
// with a non-zero status.
void generalErrorPath(Dialogs& dialogs, Shell& shell);
