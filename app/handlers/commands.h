#pragma once

struct MainForm;

// The small commands of the window: clearing a row or everything, exit, help and switching to a
// sibling program.

// "CL" of row 1, 2, 3: after OK, empties the row's number boxes and the output boxes and draws the
// base screen again. The focus goes to the row's first box whatever the answer.
void BUTTON1_ON(MainForm& form);
void BUTTON2_ON(MainForm& form);
void BUTTON3_ON(MainForm& form);
// "全クリア": after OK, empties every box the game uses and redraws the empty screen. The
// prediction is unlocked no more whatever the answer.
void BUTTON4_ON(MainForm& form);
// "終了": ends the program after OK.
void BUTTON10_ON(MainForm& form);
// "ヘルプ": opens the help document, or the user guide that ships beside the programs.
void BUTTON11_ON(MainForm& form);
// The sibling buttons: start the profile's sibling program and hand over to it.
void BUTTON12_ON(MainForm& form);
void BUTTON13_ON(MainForm& form);
