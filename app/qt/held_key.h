#pragma once

class QKeyEvent;

// Whether the key of a key event is a repeat of a key still held down. Qt marks a repeat only
// when it finds the repeat's press already waiting behind the release; under X the pair often
// comes in apart, and both halves then look like a fresh release and a fresh press. Where the
// window system can be asked, the key's state there decides: a repeat's release comes while the
// key is still down.
bool isRepeatOfHeldKey(const QKeyEvent& event);
