#pragma once

// A tape written to a file of the kind its extension names, in any case:
// .pdf (TTapePages on A4), .csv (the region's CSV) or .txt (a tape file).
// Throws PlatformError for any other extension and when the file cannot be
// written (the old file then stays as it was).

#include <cstdint>
#include <string>

class TTapeDocument;

void ExportTape(const TTapeDocument& tape, int32_t decimals, const std::string& path);
