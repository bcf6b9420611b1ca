#pragma once

struct MainForm;

// The small commands of the window: clearing a row or everything, exit, help and switching to a
// sibling program.
void BUTTON1_ON(MainForm& form);
void BUTTON2_ON(MainForm& form);
void BUTTON3_ON(MainForm& form);
void BUTTON4_ON(MainForm& form);
void BUTTON10_ON(MainForm& form);
void BUTTON11_ON(MainForm& form);
void BUTTON12_ON(MainForm& form);
void BUTTON13_ON(MainForm& form);
