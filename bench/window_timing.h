#pragma once

struct GameProfile;

// What one game's window does in the time the user waits for it, in microseconds (medians).
struct WindowFigures {
    // "次回予想" and "計算結果", from the click to the repainted window: the first click of each,
    // and the median of the clicks after it.
    double firstPrediction = 0;
    double prediction = 0;
    double firstResults = 0;
    double results = 0;
    // "保存" and "データ" through their handlers on the real window's boxes and a real drawing
    // surface, the file dialogs answered at once, each up to the repainted window.
    double save = 0;
    double load = 0;
    // The data file's write and read alone.
    double write = 0;
    double read = 0;
};

// Shows the game's window on the current Qt platform and times it; a QApplication must exist.
// The first click comes the given number of milliseconds after the window first painted, the
// event loop running meanwhile as it does while the user types. Ends the process with a message
// when a prediction, save or load does not do its job.
WindowFigures timeWindow(const GameProfile& profile, int runs, const char* dataFolder,
                         int firstClickAfterMs);
