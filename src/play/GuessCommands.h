#pragma once
// ツール > 仮置き: the player tries a guess on the board and keeps it or takes it back. Guesses
// nest; each command works on the innermost one. The cells of a guess are ordinary cells to
// everything else (the judgement, the hint check, saving); only their look tells them apart.
#include "App.h"

namespace gw {

void StartGuess(App& app);
// The innermost guess's cells become cells of the guess around it (or ordinary ones).
void KeepGuess(App& app);
// Every cell the innermost guess changed goes back to what it was when the guess began.
void DropGuess(App& app);

}  // namespace gw
