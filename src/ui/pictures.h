#pragma once

#include "painted_icon.h"

#include <QColor>
#include <QRectF>

class QPainter;

// The drawing vocabulary of the program's pictures, on a 16 by 16 canvas. Each function draws
// one motif into the given rectangle, so motifs combine into the images of the lists.
namespace Picture {

void globe(QPainter &p, const QRectF &r, bool pale = false);
void monitor(QPainter &p, const QRectF &r);
void house(QPainter &p, const QRectF &r);
void person(QPainter &p, const QRectF &r, const QColor &shirt);
void marker(QPainter &p, const QRectF &r, const QColor &colour);
void arrow(QPainter &p, const QRectF &r, qreal angleDegrees, const QColor &colour);
void padlock(QPainter &p, const QRectF &r);
void star(QPainter &p, const QRectF &r, const QColor &colour);
void speaker(QPainter &p, const QRectF &r, bool withWaves);
void prohibition(QPainter &p, const QRectF &r);
void cross(QPainter &p, const QRectF &r, const QColor &colour);
void noEntry(QPainter &p, const QRectF &r);
void magnifier(QPainter &p, const QRectF &r);
void envelope(QPainter &p, const QRectF &r, bool open);
void bubble(QPainter &p, const QRectF &r);
void clock(QPainter &p, const QRectF &r);
void disk(QPainter &p, const QRectF &r);
void eraser(QPainter &p, const QRectF &r);
void letter(QPainter &p, const QRectF &r, const QString &text, const QColor &colour);
void refresh(QPainter &p, const QRectF &r);
void panels(QPainter &p, const QRectF &r);
void info(QPainter &p, const QRectF &r);
void footprints(QPainter &p, const QRectF &r);
void key(QPainter &p, const QRectF &r);
void graph(QPainter &p, const QRectF &r);
void plus(QPainter &p, const QRectF &r);
void lightning(QPainter &p, const QRectF &r);
void orbit(QPainter &p, const QRectF &r);
void page(QPainter &p, const QRectF &r);
// The engine ring, dotted and pale, with a green arc at `position` 1 to 8 (0: none).
void engineRing(QPainter &p, const QRectF &r, int position);

} // namespace Picture
