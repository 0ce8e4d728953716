#pragma once

class TCalculadora;

// SIGTERM, SIGINT and SIGHUP close `window` the normal way, from the event
// loop, so that it saves what it must before the program ends, without
// asking anything: what cannot be written stays in the journal.
void CloseOnTerminationSignals(TCalculadora& window);
