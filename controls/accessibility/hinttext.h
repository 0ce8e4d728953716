#pragma once

// A hint such as "Esborrar Paper [F8]" read as the name of what it describes
// and the key that does the same.

#include <QString>

// The hint without a closing bracketed key: "Esborrar Paper".
QString HintName(const QString& hint);

// The key in a closing pair of brackets: "F8"; empty without one.
QString HintKey(const QString& hint);
