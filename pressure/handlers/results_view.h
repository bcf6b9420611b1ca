#pragma once

struct MainForm;

// "計算結果": draws the line sums of the last prediction around the pyramids.
void BUTTON6_ON(MainForm& form);
