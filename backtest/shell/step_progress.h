#pragma once

#include <functional>

// Hears how far a long step has come, `done` of `total`, and answers whether to go on: the
// window shows it and lets the player stop. A step that is told to stop returns at once with
// what it has.
using StepProgress = std::function<bool(int done, int total)>;
