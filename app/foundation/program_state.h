#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The program-wide values that handlers share besides the window's boxes. One instance lives
// as long as the program; values are overwritten, never reset, except where a handler says so.
struct ProgramState {
    // Start-up: where the program lives and where its draw files are kept.
    QString ProgramPath;
    QString ProgramFolder;  // ends with the platform's separator
    QString DataFolderPath; // ends with the platform's separator
    // 1 once a prediction is on the screen; the results view draws only then.
    int PredictionShown = 0;

    // The number helpers' slots: callers fill the input, call the helper and read the output.
    QString NumText;
    QString TwoDigitText;
    std::int32_t WrapIn = 0;
    std::int32_t WrapOut = 0;

    // Two-digit text of every number box (index = box number - 1), kept by the input check
    // for the pyramid filling.
    std::array<QString, 21> DrawNumberText;

    // Texts of the last successful prediction, kept for the results view (index = line - 1).
    std::array<QString, 15> LowLineText;
    std::array<QString, 15> HighLineText;
    QString RowTotalText;
    QString ReducedRowTotalText;
    QString LastRowText;
};
