#pragma once

struct MainForm;

// "次回予想": checks and sorts the entered draws and shows the prediction.
void BUTTON5_ON(MainForm& form);
