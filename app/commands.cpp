#include "commands.h"

#include "main_form.h"

// The clearing, exit, help and sibling commands are not built yet: their buttons do nothing.
void BUTTON1_ON(MainForm&) {}
void BUTTON2_ON(MainForm&) {}
void BUTTON3_ON(MainForm&) {}
void BUTTON4_ON(MainForm&) {}
void BUTTON10_ON(MainForm&) {}
void BUTTON11_ON(MainForm&) {}
void BUTTON12_ON(MainForm&) {}
void BUTTON13_ON(MainForm&) {}
