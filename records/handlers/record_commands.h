#pragma once

struct MainForm;

// "回送り": moves the draw history back by one draw.
void BUTTON7_ON(MainForm& form);
// "保存": saves the draw history into a data file.
void BUTTON8_ON(MainForm& form);
// "データ": loads a data file into the window.
void BUTTON9_ON(MainForm& form);
