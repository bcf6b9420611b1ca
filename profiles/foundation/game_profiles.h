#pragma once

#include "game_profile.h"
#include "number_text.h"

// The wrap helper of each game, folding a sum into its pool (number_text.h).
inline void OVR37SR(ProgramState& state);
inline void OVR43SR(ProgramState& state);
inline void OVR31SR(ProgramState& state);

inline constexpr GameProfile kRk7klvn{
    .programName = "RK7KLVN",
    .PoolSize = 37,
    .MainCount = 7,
    .BonusCount = 0,
    .RowSize = 7,
    .PyramidSide = 6,
    .LineCount = 15,
    .RecordFieldCount = 22,
    .longerRecordInFolder = 0,
    .FilePrefix = "7R",
    .DataFolderName = "rkk7data",
    .caption = u"Riko7 Kelvane",
    .title = u"RIKO7  Kelvane",
    .exitCaption = u"RIKO7 Kelvane",
    .titleBarColour = 13,
    .titleBarRight = 497,
    .headerNumberX = 366,
    .headerBarRight = 497,
    .keyLabelX = 255,
    .bracketEnd = 480,
    .bonusMark = false,
    .rowSeparators = false,
    .bonusBoxLeft = 0,
    .clearButtonLeft = 504,
    .clearButtonWidth = 24,
    .drawNumberBoxesAfterRows = false,
    .cycleEndsWithLatestDrawNumber = true,
    .sibling1Caption = u"Riko6",
    .sibling1Program = "RK6KLVN",
    .sibling1Shortcut = "Alt+6",
    .sibling2Caption = u"Mini",
    .sibling2Program = "MiniKLVN",
    .sibling2Shortcut = "Alt+M",
    .drawNumberTextLimit = 0,
    .sortedNumbersWithoutBlank = false,
    .loadedOlderDrawNumbers = DrawNumberForm::PlainDigits,
    .wrapHelper = &OVR37SR,
    .helpDocument = "RKM67KV.chm",
    .iconName = "rk7klvn",
};

inline constexpr GameProfile kRk6klvn{
    .programName = "RK6KLVN",
    .PoolSize = 43,
    .MainCount = 6,
    .BonusCount = 1,
    .RowSize = 7,
    .PyramidSide = 6,
    .LineCount = 15,
    .RecordFieldCount = 22,
    .longerRecordInFolder = 0,
    .FilePrefix = "6R",
    .DataFolderName = "rkk6data",
    .caption = u"Riko6 Kelvane",
    .title = u"RIKO6  Kelvane",
    .exitCaption = u"RIKO6 Kelvane",
    .titleBarColour = 11,
    .titleBarRight = 503,
    .headerNumberX = 351,
    .headerBarRight = 503,
    .keyLabelX = 250,
    .bracketEnd = 432,
    .bonusMark = true,
    .rowSeparators = false,
    .bonusBoxLeft = 472,
    .clearButtonLeft = 512,
    .clearButtonWidth = 32,
    .drawNumberBoxesAfterRows = false,
    .cycleEndsWithLatestDrawNumber = true,
    .sibling1Caption = u"Riko7",
    .sibling1Program = "RK7KLVN",
    .sibling1Shortcut = "Alt+7",
    .sibling2Caption = u"Mini",
    .sibling2Program = "MiniKLVN",
    .sibling2Shortcut = "Alt+M",
    .drawNumberTextLimit = 6,
    .sortedNumbersWithoutBlank = true,
    .loadedOlderDrawNumbers = DrawNumberForm::GameText,
    .wrapHelper = &OVR43SR,
    .helpDocument = "RKM67KV.chm",
    .iconName = "rk6klvn",
};

inline constexpr GameProfile kMiniklvn{
    .programName = "MiniKLVN",
    .PoolSize = 31,
    .MainCount = 5,
    .BonusCount = 0,
    .RowSize = 5,
    .PyramidSide = 5,
    .LineCount = 12,
    .RecordFieldCount = 16,
    .longerRecordInFolder = kRk7klvn.RecordFieldCount,
    .FilePrefix = "MR",
    .DataFolderName = "rkk7data",
    .caption = u"Mini RIKO Kelvane",
    .title = u"Mini RIKO  Kelvane",
    .exitCaption = u"Mini RIKO Kelvane",
    .titleBarColour = 13,
    .titleBarRight = 527,
    .headerNumberX = 386,
    .headerBarRight = 497,
    .keyLabelX = 250,
    .bracketEnd = 384,
    .bonusMark = false,
    .rowSeparators = true,
    .bonusBoxLeft = 0,
    .clearButtonLeft = 464,
    .clearButtonWidth = 64,
    .drawNumberBoxesAfterRows = true,
    .cycleEndsWithLatestDrawNumber = false,
    .sibling1Caption = u"Riko6",
    .sibling1Program = "RK6KLVN",
    .sibling1Shortcut = "Alt+6",
    .sibling2Caption = u"Riko7",
    .sibling2Program = "RK7KLVN",
    .sibling2Shortcut = "Alt+7",
    .drawNumberTextLimit = 0,
    .sortedNumbersWithoutBlank = false,
    .loadedOlderDrawNumbers = DrawNumberForm::PlainDigits,
    .wrapHelper = &OVR31SR,
    .helpDocument = "RKM67KV.chm",
    .iconName = "miniklvn",
};

inline void OVR37SR(ProgramState& state) {
    wrapIntoPool(state, kRk7klvn.PoolSize);
}
inline void OVR43SR(ProgramState& state) {
    wrapIntoPool(state, kRk6klvn.PoolSize);
}
inline void OVR31SR(ProgramState& state) {
    wrapIntoPool(state, kMiniklvn.PoolSize);
}

// The values that follow from others, checked where the profiles are written.
consteval bool derivedValuesHold(const GameProfile& p) {
    return p.RowSize == p.MainCount + p.BonusCount && p.LineCount == 3 * (p.PyramidSide - 1) &&
           p.RecordFieldCount == p.numberBoxCount() + 1;
}
static_assert(derivedValuesHold(kRk7klvn));
static_assert(derivedValuesHold(kRk6klvn));
static_assert(derivedValuesHold(kMiniklvn));
