#pragma once

struct MainForm;

// Draws the empty pressure-type area and writes the kept two-digit texts of the entered numbers
// into the cells, in the order in which the prediction lays them into its pyramids: the
// high-pressure pyramid on the left in red, the low-pressure one on the right in blue. Leaves
// the drawing font size at 18.
void KOUTEIKIATU(MainForm& form);
