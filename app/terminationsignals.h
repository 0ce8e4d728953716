#pragma once

class QWidget;

// SIGTERM, SIGINT and SIGHUP close `window` the normal way, from the event
// loop, so that it saves what it must before the program ends.
void CloseOnTerminationSignals(QWidget& window);
