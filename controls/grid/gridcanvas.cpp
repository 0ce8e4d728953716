#include "controls/grid/gridcanvas.h"

#include <QFontMetrics>

void TGridCanvas::FillRect(const QRect& rect) {
    painter_.fillRect(rect, ToQColor(BrushColor));
}

void TGridCanvas::TextRect(const QRect& rect, int x, int y, const std::string& text) {
    FillRect(rect);
    if (text.empty()) return;
    painter_.save();
    painter_.setClipRect(rect, Qt::IntersectClip);
    painter_.setFont(Font);
    painter_.setPen(ToQColor(FontColor));
    painter_.drawText(QPoint(x, y + QFontMetrics(Font).ascent()), QString::fromStdString(text));
    painter_.restore();
}

void TGridCanvas::Line(QPoint from, QPoint to) {
    painter_.save();
    painter_.setPen(ToQColor(PenColor));
    painter_.drawLine(from, to);
    painter_.restore();
}

int TGridCanvas::TextWidth(const std::string& text) const {
    return QFontMetrics(Font).horizontalAdvance(QString::fromStdString(text));
}

int TGridCanvas::TextHeight() const {
    return QFontMetrics(Font).height();
}
