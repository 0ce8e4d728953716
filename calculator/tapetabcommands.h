#pragma once

// The commands of the tabs: a new tape, the next and the previous one, a
// tape closed (kept in the archive first) and a tape renamed.

struct TCommandContext;

// Ctrl+W: the tape goes to the archive of earlier tapes, then its tab
// closes. When archiving fails the tape stays open. The last tape is only
// cleared, the way the clear key clears it.
void CloseTape(TCommandContext& c);
// Asks for the tape's new name, its old name proposed.
void RenameTape(TCommandContext& c);
// The tape `steps` tabs on, round the ends.
void StepTape(TCommandContext& c, int steps);
