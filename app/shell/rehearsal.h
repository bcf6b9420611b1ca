#pragma once

struct GameProfile;
class Surface;

// Runs "次回予想" and "計算結果" on made-up draws, on the given surface and on boxes, dialogs and a
// shell of its own that no one sees, and changes nothing of the program. The window does it once
// its first frame is out, on a surface that shares its fonts, so that the user's first click
// finds them resolved, the texts laid out and the glyphs drawn.
void rehearsePrediction(const GameProfile& profile, Surface& surface);
