#pragma once

// A tape as a PDF file of A4 pages (TTapePages), written whole or not at
// all: a failure leaves the old file, or none, and throws PlatformError.

#include <QDateTime>
#include <cstdint>
#include <string>

class TTapeDocument;

void SaveTapePdf(const TTapeDocument& tape, int32_t decimals, const std::string& path,
                 const QDateTime& printedAt = QDateTime::currentDateTime());
