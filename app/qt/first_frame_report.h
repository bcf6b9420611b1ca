#pragma once

class QWidget;

// The environment variable that asks a program to time its own start-up: set to anything, it
// makes the program write "first frame <ns>" on stderr once the first frame of its window has
// been painted and shown, <ns> being the monotonic clock (CLOCK_MONOTONIC) in nanoseconds, and
// then end. The benchmark starts the programs with it; users never set it.
inline constexpr char FirstFrameReportVariable[] = "KELVANE_REPORT_FIRST_FRAME";

// Arms the report for this top-level window when the variable is set, before the window is shown.
// Unset, it reads the environment once and does nothing else.
void reportFirstFrameIfAsked(QWidget& window);
