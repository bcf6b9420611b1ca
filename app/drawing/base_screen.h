#pragma once

struct MainForm;

// Paints the whole surface in the background grey, wiping everything drawn before.
void wipeSurface(MainForm& form);

// The parts of the base screen that other commands draw again on their own.
void drawTitleBar(MainForm& form);
// The title bar ending at `right`: the prediction header redraws it with its own right edge.
void drawTitleBar(MainForm& form, int right);
// "Key数字" with "表" and "裏"; leaves the drawing font size at 14.
void drawKeyLabels(MainForm& form);
void drawLabels(MainForm& form);
void drawDrawNumberPlates(MainForm& form);

// Draws the base screen: wipes the whole surface, then the title bar, the labels, the empty
// pressure-type area and the prediction frame. Clears PredictionShown. Leaves the drawing
// font at "MS明朝", size 18.
void TAITORUKIHON(MainForm& form);
