#pragma once

// The two number pyramids of a prediction: the high-pressure one, drawn on the left, and the
// low-pressure one, drawn on the right. The arithmetic and the drawing both name them.
enum class Pressure { High, Low };
