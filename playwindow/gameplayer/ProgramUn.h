#pragma once

#include <QString>
#include <functional>

class TfrmGamePlayer;

// What the Player and the designer do alike around their event loop.

// The title every window and the HTML page carry; the program ends when its
// start window closes, not when the last window does (the play window may
// hide the start window, the designer's windows come and go).
void InitProgram(const QString& Title);

// Creates the program's windows in Create; false when that failed (the
// error has been shown).
bool CreateProgramWindows(const std::function<void()>& Create);

// After the event loop, before the windows go, where a failure can still be
// shown: the play window saves its options.
void EndProgram(TfrmGamePlayer& PlayWindow);
