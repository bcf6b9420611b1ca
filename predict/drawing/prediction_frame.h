#pragma once

struct MainForm;

// Draws the labels of the two candidate lists left of EDIT24 and EDIT25, wiping the label area
// first. Leaves the drawing font at "MS明朝", size 18.
void YOSOUWAKU(MainForm& form);
