#pragma once

#include <string_view>

struct ProgramState;

// How the draw numbers of rows 2 and 3 are written: in the game's draw-number text, or as plain
// digits without the leading blank, as a loaded file shows them in the 7-number and mini games.
enum class DrawNumberForm { GameText, PlainDigits };

// Everything that differs between the three programs. Each program fixes one of these at build
// time (profiles/foundation/); handlers read the values instead of asking which game they run.
struct GameProfile {
    std::string_view programName; // file name of the program, used by its siblings to start it

    int PoolSize;    // numbers run from 1 to this value
    int MainCount;   // main numbers of one draw
    int BonusCount;  // bonus numbers of one draw
    int RowSize;     // number boxes in one row: MainCount + BonusCount
    int PyramidSide; // rows of each number pyramid
    int LineCount;   // lines summed per pyramid: 3 * (PyramidSide - 1)
    int RecordFieldCount;
    // The record of another game that shares the data folder and writes more fields; 0 for none.
    // A line holding that many fields is that game's file, not this game's with extras.
    int longerRecordInFolder;

    std::string_view FilePrefix;
    std::string_view DataFolderName; // folder below the program's folder, without a separator

    std::u16string_view caption;     // window caption
    std::u16string_view title;       // title drawn in the window
    std::u16string_view exitCaption; // caption of the exit question

    int titleBarColour;
    int titleBarRight;  // right edge of the title bar
    int headerNumberX;  // where the prediction header writes "N+1 回予想"
    int headerBarRight; // right edge of the title bar as the prediction header redraws it
    int keyLabelX;      // x of the "Key数字" label
    int bracketEnd;     // right end of the bracket under the number columns
    bool bonusMark;     // the "Ｂ数字" label and its tick
    bool rowSeparators; // the three short lines right of the number columns

    int bonusBoxLeft;    // left edge of the bonus box of each row; 0 without a bonus
    int clearButtonLeft; // the three "CL" buttons
    int clearButtonWidth;
    bool drawNumberBoxesAfterRows; // creation (and Tab) order: draw-number boxes after all rows
    bool cycleEndsWithLatestDrawNumber; // the Enter-key cycle closes with EDIT22

    std::u16string_view sibling1Caption; // BUTTON12
    std::string_view sibling1Program;
    std::string_view sibling1Shortcut;   // the key that clicks BUTTON12, in QKeySequence's text
    std::u16string_view sibling2Caption; // BUTTON13
    std::string_view sibling2Program;
    std::string_view sibling2Shortcut;

    // How the game writes texts back into its boxes: the 6-number game keeps at most six
    // characters of a draw number (0: the whole text) and writes sorted numbers without the
    // leading blank of one-digit numbers.
    int drawNumberTextLimit;
    bool sortedNumbersWithoutBlank;
    DrawNumberForm loadedOlderDrawNumbers; // rows 2 and 3 after a load
    void (*wrapHelper)(ProgramState&);     // OVR37SR, OVR43SR or OVR31SR

    std::string_view helpDocument;
    std::string_view iconName; // the window icon's XPM image

    // Number boxes of the three rows together (21, or 15 in the mini game).
    constexpr int numberBoxCount() const { return 3 * RowSize; }
    // Control number of the first box of row 1..3.
    constexpr int firstBoxOfRow(int row) const { return 1 + (row - 1) * RowSize; }
};
