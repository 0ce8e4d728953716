#pragma once

// A tape on paper, as a paper tape is: a heading with the date and time, then
// one line per row with the value right-aligned in the display form (with
// the tape's decimals, so 1.250,50; a zero value blank), the operator on a
// light grey strip, as on screen, and the comment. Totals are red and bold,
// grand totals too under a double rule, percent amounts bold and linked rows
// grey, as on screen (TapeRowLook); a total's count is at the left of its
// value in grey (TapeCountMark). Long
// tapes go on over as many pages as they need, each numbered at its foot
// ("Pàgina 2 de 5"). The same painting serves a PDF file and a printer, on
// whatever page size the device has.

#include <QDateTime>
#include <QFont>
#include <cstdint>

class QPagedPaintDevice;
class QPainter;
class TTapeDocument;
struct TTapeRowLook;

class TTapePages {
public:
    TTapePages(const TTapeDocument& tape, int32_t decimals, QDateTime printedAt);

    // Paints pages `from` to `to` (numbered from 1; 0 for the first and the
    // last page), the first on the device's current page, each numbered as
    // in the whole tape. Throws PlatformError when the device cannot be
    // painted on.
    void Print(QPagedPaintDevice& device, int from = 0, int to = 0) const;
    // The pages the tape takes on the device (at least one).
    int PageCount(QPagedPaintDevice& device) const;

private:
    struct TGeometry;
    TGeometry Measure(QPagedPaintDevice& device) const;
    void PaintHeading(QPainter& painter, const TGeometry& page) const;
    void PaintRows(QPainter& painter, const TGeometry& page, int32_t first, int32_t last) const;
    void PaintCountAndRule(QPainter& painter, const TGeometry& page, int32_t row, double top,
                           const TTapeRowLook& look) const;
    void PaintFoot(QPainter& painter, const TGeometry& page, int number, int count) const;

    const TTapeDocument& tape_;
    int32_t decimals_;
    QDateTime printedAt_;
    QFont font_;
    QFont boldFont_;
    QFont smallFont_;
};
