#pragma once

struct MainForm;
struct ProgramState;
struct PyramidPrediction;

// Redraws the title bar with its title and names the draw that is predicted, "N+1 回予想". A
// draw number of seven digits is left out, the words stay.
void drawPredictionHeader(MainForm& form, long long latestDrawNumber);

// Draws the key-number labels again and writes the front key into EDIT23, the back key into
// EDIT26.
void showKeyNumbers(MainForm& form, const PyramidPrediction& prediction);

// Writes the line sums of each pyramid, sorted and joined by commas, into EDIT25 (low pressure)
// and EDIT24 (high pressure). Every item is a blank and two digits; repeats stay.
void showCandidateLists(MainForm& form, const PyramidPrediction& prediction);

// Keeps the texts of this prediction for the results view until the next one replaces them.
void keepResultTexts(ProgramState& state, const PyramidPrediction& prediction);
