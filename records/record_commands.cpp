#include "record_commands.h"

#include "main_form.h"

// The draw records are not built yet: these buttons do nothing.
void BUTTON7_ON(MainForm&) {}
void BUTTON8_ON(MainForm&) {}
void BUTTON9_ON(MainForm&) {}
