#include "tapefiles/tapepages.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "basic/numbertext.h"
#include "basic/platformerror.h"
#include "basic/translation.h"
#include "tape/tapedocument.h"
#include "tape/tapelook.h"

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kTextPoints = 10;
constexpr double kSmallPoints = 8;
// Row height as a share of the font's line spacing.
constexpr double kRowSpacing = 1.2;
// Widths in millimetres: the value column, the operator strip and the gaps.
constexpr double kValueWidth = 45;
constexpr double kOperatorWidth = 8;
constexpr double kGap = 2;

constexpr TTapeInk kRuleInk{128, 128, 128};

QColor ColourOf(const TTapeInk& ink) {
    return QColor(ink.red, ink.green, ink.blue);
}

QFont TextFont(double points, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString RowCountText(int32_t rows) {
    return rows == 1 ? QCoreApplication::translate("TTapePages", "1 fila")
                     : QCoreApplication::translate("TTapePages", "%1 files").arg(rows);
}

}  // namespace

// Places on the device, in its pixels.
struct TTapePages::TGeometry {
    double width = 0;
    double millimetre = 0;
    double rowHeight = 0;
    double headingHeight = 0;
    double footTop = 0;
    double rowsTop = 0;
    int32_t rowsPerPage = 1;

    QRectF ValueCell(double top) const { return {0, top, kValueWidth * millimetre, rowHeight}; }
    QRectF OperatorCell(double top) const {
        return {(kValueWidth + kGap) * millimetre, top, kOperatorWidth * millimetre, rowHeight};
    }
    QRectF CommentCell(double top) const {
        const double left = (kValueWidth + 2 * kGap + kOperatorWidth) * millimetre;
        return {left, top, std::max(width - left, 0.0), rowHeight};
    }
};

TTapePages::TTapePages(const TTapeDocument& tape, int32_t decimals, QDateTime printedAt)
    : tape_(tape),
      decimals_(decimals),
      printedAt_(std::move(printedAt)),
      font_(TextFont(kTextPoints, false)),
      boldFont_(TextFont(kTextPoints, true)),
      smallFont_(TextFont(kSmallPoints, false)) {}

TTapePages::TGeometry TTapePages::Measure(QPagedPaintDevice& device) const {
    TGeometry page;
    page.width = device.width();
    page.millimetre = device.logicalDpiY() / kMillimetresPerInch;
    const QFontMetricsF text(boldFont_, &device);
    page.rowHeight = std::ceil(text.lineSpacing() * kRowSpacing);
    page.headingHeight = 2 * page.rowHeight;
    page.rowsTop = page.headingHeight + page.rowHeight / 2;
    page.footTop = device.height() - QFontMetricsF(smallFont_, &device).lineSpacing();
    const double rowsRoom = page.footTop - page.rowHeight / 2 - page.rowsTop;
    page.rowsPerPage = std::max(static_cast<int32_t>(rowsRoom / page.rowHeight), 1);
    return page;
}

int TTapePages::PageCount(QPagedPaintDevice& device) const {
    const int32_t perPage = Measure(device).rowsPerPage;
    return std::max((tape_.UsedRows() + perPage - 1) / perPage, 1);
}

void TTapePages::Print(QPagedPaintDevice& device, int from, int to) const {
    const TGeometry page = Measure(device);
    const int count = PageCount(device);
    const int first = std::clamp(from, 1, count);
    const int last = to == 0 ? count : std::clamp(to, first, count);
    QPainter painter;
    if (!painter.begin(&device))
        throw PlatformError(Tr("TTapePages", "No s'ha pogut començar a dibuixar la cinta."));
    for (int number = first; number <= last; ++number) {
        if (number > first && !device.newPage()) {
            throw PlatformError(Filled(Tr("TTapePages", "No s'ha pogut començar la pàgina %1."),
                                       {std::to_string(number)}));
        }
        PaintHeading(painter, page);
        const int32_t top = (number - 1) * page.rowsPerPage;
        PaintRows(painter, page, top, std::min(top + page.rowsPerPage, tape_.UsedRows()));
        PaintFoot(painter, page, number, count);
    }
    painter.end();
}

// "Cinta de càlcul, 12 files" at the left, the date and time at the right,
// over a thin rule.
void TTapePages::PaintHeading(QPainter& painter, const TGeometry& page) const {
    const QRectF line(0, 0, page.width, page.rowHeight);
    painter.setPen(Qt::black);
    painter.setFont(boldFont_);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("TTapePages", "Cinta de càlcul, %1")
                         .arg(RowCountText(tape_.UsedRows())));
    painter.setFont(font_);
    painter.drawText(line, Qt::AlignRight | Qt::AlignVCenter,
                     printedAt_.toString(QStringLiteral("dd/MM/yyyy HH:mm")));
    painter.setPen(QPen(ColourOf(kRuleInk), page.millimetre / 4));
    const double rule = page.headingHeight - page.rowHeight / 2;
    painter.drawLine(QPointF(0, rule), QPointF(page.width, rule));
}

// Rows `first` to `last` - 1, from the top of the page's rows.
void TTapePages::PaintRows(QPainter& painter, const TGeometry& page, int32_t first,
                           int32_t last) const {
    if (first >= last) return;
    const QRectF strip = page.OperatorCell(page.rowsTop);
    painter.fillRect(
        QRectF(strip.left(), strip.top(), strip.width(), page.rowHeight * (last - first)),
        ColourOf(kOperatorStripInk));
    double top = page.rowsTop;
    for (int32_t row = first; row < last; ++row, top += page.rowHeight) {
        const TTapeRow& r = tape_.Row(row);
        const TTapeRowLook look = TapeRowLook(tape_, row);
        PaintCountAndRule(painter, page, row, top, look);
        painter.setPen(ColourOf(look.ink));
        painter.setFont(look.bold ? boldFont_ : font_);
        const QString value = QString::fromStdString(FormatNumber(r.Number(), decimals_));
        if (!value.isEmpty())
            painter.drawText(page.ValueCell(top), Qt::AlignRight | Qt::AlignVCenter, value);
        if (!r.OperatorField().empty()) {
            painter.drawText(page.OperatorCell(top), Qt::AlignHCenter | Qt::AlignVCenter,
                             QString::fromUtf8(r.OperatorField().data(),
                                               static_cast<qsizetype>(r.OperatorField().size())));
        }
        if (!r.Comment().empty()) {
            painter.setFont(font_);
            painter.setPen(ColourOf(kCommentInk));
            const QRectF cell = page.CommentCell(top);
            const QString comment =
                QString::fromUtf8(r.Comment().data(), static_cast<qsizetype>(r.Comment().size()));
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                             painter.fontMetrics().elidedText(comment, Qt::ElideRight,
                                                              static_cast<int>(cell.width())));
        }
    }
}

// The count in the small font at the left of the value; the double rule over
// the value and the operator, in the row's ink.
void TTapePages::PaintCountAndRule(QPainter& painter, const TGeometry& page, int32_t row,
                                   double top, const TTapeRowLook& look) const {
    const QRectF value = page.ValueCell(top);
    if (look.doubleRule) {
        const QRectF operatorCell = page.OperatorCell(top);
        painter.setPen(QPen(ColourOf(look.ink), page.millimetre / 5));
        for (const double y : {top, top + page.millimetre * 0.6})
            painter.drawLine(QPointF(value.left(), y), QPointF(operatorCell.right(), y));
    }
    const std::string mark = TapeCountMark(tape_, row);
    if (mark.empty()) return;
    painter.setPen(ColourOf(kCountInk));
    painter.setFont(smallFont_);
    painter.drawText(value, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(mark));
}

void TTapePages::PaintFoot(QPainter& painter, const TGeometry& page, int number, int count) const {
    painter.setPen(Qt::black);
    painter.setFont(smallFont_);
    painter.drawText(
        QRectF(0, page.footTop, page.width, page.rowHeight), Qt::AlignHCenter | Qt::AlignTop,
        QCoreApplication::translate("TTapePages", "Pàgina %1 de %2").arg(number).arg(count));
}
