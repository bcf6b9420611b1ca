#pragma once

#include "game_profile.h"

struct MainForm;

// Writes the draw numbers of rows 2 and 3 (EDIT27, EDIT28) that follow from the latest one.
void showOlderDrawNumbers(MainForm& form, long long latest,
                          DrawNumberForm style = DrawNumberForm::GameText);

// The same from the latest draw number as its box (EDIT22) holds it.
void showOlderDrawNumbersOfEntered(MainForm& form, DrawNumberForm style = DrawNumberForm::GameText);
