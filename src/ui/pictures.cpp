#include "pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace Picture {
namespace {

const QColor kOutline(40, 60, 90);
const QColor kGreen(40, 160, 60);
const QColor kRed(210, 40, 40);

QPen outline(qreal width = 0.8, const QColor &colour = kOutline)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QRectF inset(const QRectF &r, qreal by)
{
    return r.adjusted(by, by, -by, -by);
}

} // namespace

void globe(QPainter &p, const QRectF &r, bool pale)
{
    p.save();
    const QRectF ball = inset(r, 0.5);
    QRadialGradient sea(ball.center() - QPointF(ball.width() / 5, ball.height() / 5), ball.width());
    sea.setColorAt(0, pale ? QColor(215, 230, 245) : QColor(120, 190, 255));
    sea.setColorAt(1, pale ? QColor(170, 195, 220) : QColor(30, 100, 200));
    p.setPen(outline(0.8, pale ? QColor(140, 160, 185) : kOutline));
    p.setBrush(sea);
    p.drawEllipse(ball);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(pale ? QColor(245, 250, 255, 200) : QColor(230, 245, 255, 210), 0.6));
    p.drawEllipse(inset(ball, 0).adjusted(ball.width() * 0.3, 0, -ball.width() * 0.3, 0));
    p.drawLine(QPointF(ball.left(), ball.center().y()), QPointF(ball.right(), ball.center().y()));
    p.drawLine(QPointF(ball.center().x(), ball.top()), QPointF(ball.center().x(), ball.bottom()));
    const qreal quarter = ball.height() / 4;
    p.drawLine(QPointF(ball.left() + quarter * 0.55, ball.top() + quarter),
               QPointF(ball.right() - quarter * 0.55, ball.top() + quarter));
    p.drawLine(QPointF(ball.left() + quarter * 0.55, ball.bottom() - quarter),
               QPointF(ball.right() - quarter * 0.55, ball.bottom() - quarter));
    p.restore();
}

void monitor(QPainter &p, const QRectF &r)
{
    p.save();
    const QRectF screen(r.left(), r.top(), r.width(), r.height() * 0.72);
    p.setPen(outline(0.7, QColor(50, 50, 50)));
    p.setBrush(QColor(90, 90, 95));
    p.drawRoundedRect(screen, 0.8, 0.8);
    p.setPen(Qt::NoPen);
    QLinearGradient glass(screen.topLeft(), screen.bottomRight());
    glass.setColorAt(0, QColor(170, 230, 255));
    glass.setColorAt(1, QColor(60, 140, 220));
    p.setBrush(glass);
    p.drawRect(inset(screen, screen.width() * 0.13));
    p.setBrush(QColor(80, 80, 85));
    const qreal footTop = screen.bottom();
    p.drawRect(
        QRectF(r.center().x() - r.width() * 0.1, footTop, r.width() * 0.2, r.height() * 0.14));
    p.drawRect(QRectF(r.center().x() - r.width() * 0.3, r.bottom() - r.height() * 0.14,
                      r.width() * 0.6, r.height() * 0.14));
    p.restore();
}

void house(QPainter &p, const QRectF &r)
{
    p.save();
    const qreal roofBottom = r.top() + r.height() * 0.45;
    QPainterPath roof;
    roof.moveTo(r.left(), roofBottom);
    roof.lineTo(r.center().x(), r.top());
    roof.lineTo(r.right(), roofBottom);
    roof.closeSubpath();
    const QRectF walls(r.left() + r.width() * 0.12, roofBottom, r.width() * 0.76,
                       r.bottom() - roofBottom);
    p.setPen(outline(0.7, QColor(90, 60, 30)));
    p.setBrush(QColor(245, 225, 180));
    p.drawRect(walls);
    p.setBrush(QColor(200, 60, 40));
    p.drawPath(roof);
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(walls.center().x() - walls.width() * 0.14,
                      walls.bottom() - walls.height() * 0.6, walls.width() * 0.28,
                      walls.height() * 0.6));
    p.restore();
}

void person(QPainter &p, const QRectF &r, const QColor &shirt)
{
    p.save();
    p.setPen(outline(0.7, shirt.darker(170)));
    p.setBrush(shirt);
    const QRectF body(r.left() + r.width() * 0.1, r.top() + r.height() * 0.5, r.width() * 0.8,
                      r.height() * 0.55);
    p.drawRoundedRect(body, r.width() * 0.35, r.height() * 0.3);
    p.setPen(outline(0.7, QColor(150, 100, 60)));
    p.setBrush(QColor(250, 210, 170));
    const qreal head = r.width() * 0.5;
    p.drawEllipse(QRectF(r.center().x() - head / 2, r.top(), head, head));
    p.restore();
}

void marker(QPainter &p, const QRectF &r, const QColor &colour)
{
    p.save();
    p.setPen(outline(0.6, colour.darker(180)));
    p.setBrush(colour);
    p.drawEllipse(r);
    p.restore();
}

void arrow(QPainter &p, const QRectF &r, qreal angleDegrees, const QColor &colour)
{
    p.save();
    p.translate(r.center());
    p.rotate(angleDegrees);
    p.scale(r.width() / 10, r.height() / 10);
    QPainterPath shape;
    shape.moveTo(0, -5);
    shape.lineTo(5, 0);
    shape.lineTo(2, 0);
    shape.lineTo(2, 5);
    shape.lineTo(-2, 5);
    shape.lineTo(-2, 0);
    shape.lineTo(-5, 0);
    shape.closeSubpath();
    p.setPen(QPen(colour.darker(160), 0.8));
    p.setBrush(colour);
    p.drawPath(shape);
    p.restore();
}

void padlock(QPainter &p, const QRectF &r)
{
    p.save();
    const QRectF body(r.left(), r.top() + r.height() * 0.45, r.width(), r.height() * 0.55);
    p.setPen(QPen(QColor(120, 120, 120), r.width() * 0.16));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(r.left() + r.width() * 0.2, r.top(), r.width() * 0.6, r.height() * 0.8), 0,
              180 * 16);
    p.setPen(outline(0.6, QColor(130, 90, 10)));
    p.setBrush(QColor(240, 190, 40));
    p.drawRoundedRect(body, 0.6, 0.6);
    p.restore();
}

void star(QPainter &p, const QRectF &r, const QColor &colour)
{
    p.save();
    QPainterPath shape;
    const QPointF c = r.center();
    for (int i = 0; i < 10; ++i) {
        const qreal radius = (i % 2 == 0 ? 0.5 : 0.22) * r.width();
        const qreal angle = M_PI / 5 * i - M_PI / 2;
        const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0)
            shape.moveTo(point);
        else
            shape.lineTo(point);
    }
    shape.closeSubpath();
    p.setPen(outline(0.7, colour.darker(170)));
    p.setBrush(colour);
    p.drawPath(shape);
    p.restore();
}

void speaker(QPainter &p, const QRectF &r, bool withWaves)
{
    p.save();
    QPainterPath cone;
    const qreal w = r.width();
    const qreal h = r.height();
    cone.moveTo(r.left(), r.top() + h * 0.35);
    cone.lineTo(r.left() + w * 0.25, r.top() + h * 0.35);
    cone.lineTo(r.left() + w * 0.55, r.top() + h * 0.08);
    cone.lineTo(r.left() + w * 0.55, r.bottom() - h * 0.08);
    cone.lineTo(r.left() + w * 0.25, r.bottom() - h * 0.35);
    cone.lineTo(r.left(), r.bottom() - h * 0.35);
    cone.closeSubpath();
    p.setPen(outline(0.7, QColor(40, 40, 40)));
    p.setBrush(QColor(110, 110, 120));
    p.drawPath(cone);
    if (withWaves) {
        p.setPen(outline(0.9, QColor(40, 110, 200)));
        p.setBrush(Qt::NoBrush);
        for (const qreal reach : {0.3, 0.5}) {
            const QRectF wave(r.left() + w * (0.55 - reach), r.center().y() - h * reach,
                              w * reach * 2, h * reach * 2);
            p.drawArc(wave, -45 * 16, 90 * 16);
        }
    }
    p.restore();
}

void prohibition(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(QPen(kRed, r.width() * 0.14));
    p.setBrush(Qt::NoBrush);
    const QRectF ring = inset(r, r.width() * 0.08);
    p.drawEllipse(ring);
    const qreal d = ring.width() * 0.35;
    p.drawLine(QPointF(ring.center().x() - d, ring.center().y() - d),
               QPointF(ring.center().x() + d, ring.center().y() + d));
    p.restore();
}

void cross(QPainter &p, const QRectF &r, const QColor &colour)
{
    p.save();
    p.setPen(QPen(colour, r.width() * 0.24, Qt::SolidLine, Qt::RoundCap));
    const QRectF c = inset(r, r.width() * 0.15);
    p.drawLine(c.topLeft(), c.bottomRight());
    p.drawLine(c.topRight(), c.bottomLeft());
    p.restore();
}

void noEntry(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(outline(0.7, kRed.darker(150)));
    p.setBrush(kRed);
    p.drawEllipse(inset(r, 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.center().y() - r.height() * 0.1,
                      r.width() * 0.6, r.height() * 0.2));
    p.restore();
}

void magnifier(QPainter &p, const QRectF &r)
{
    p.save();
    const QRectF lens(r.left(), r.top(), r.width() * 0.65, r.height() * 0.65);
    p.setPen(QPen(QColor(90, 60, 30), r.width() * 0.18, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens.center() + QPointF(lens.width() * 0.35, lens.height() * 0.35),
               r.bottomRight() - QPointF(r.width() * 0.08, r.height() * 0.08));
    p.setPen(QPen(QColor(60, 60, 70), r.width() * 0.1));
    p.setBrush(QColor(200, 230, 255, 200));
    p.drawEllipse(lens);
    p.restore();
}

void envelope(QPainter &p, const QRectF &r, bool open)
{
    p.save();
    const QRectF body(r.left(), r.top() + r.height() * 0.3, r.width(), r.height() * 0.65);
    p.setPen(outline(0.7, QColor(120, 100, 60)));
    if (open) {
        QPainterPath flap;
        flap.moveTo(body.topLeft());
        flap.lineTo(body.center().x(), r.top());
        flap.lineTo(body.topRight());
        flap.closeSubpath();
        p.setBrush(QColor(235, 215, 160));
        p.drawPath(flap);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(body.left() + body.width() * 0.15, r.top() + r.height() * 0.12,
                          body.width() * 0.7, body.height() * 0.6));
    }
    p.setBrush(QColor(250, 235, 190));
    p.drawRect(body);
    p.drawLine(body.topLeft(), body.center());
    p.drawLine(body.topRight(), body.center());
    p.restore();
}

void bubble(QPainter &p, const QRectF &r)
{
    p.save();
    QPainterPath shape;
    const QRectF round(r.left(), r.top(), r.width(), r.height() * 0.75);
    shape.addRoundedRect(round, r.width() * 0.25, r.height() * 0.25);
    QPainterPath tail;
    tail.moveTo(r.left() + r.width() * 0.25, round.bottom() - 0.5);
    tail.lineTo(r.left() + r.width() * 0.15, r.bottom());
    tail.lineTo(r.left() + r.width() * 0.5, round.bottom() - 0.5);
    tail.closeSubpath();
    p.setPen(outline(0.8, QColor(40, 90, 160)));
    p.setBrush(QColor(230, 240, 255));
    p.drawPath(shape.united(tail));
    p.setPen(QPen(QColor(40, 90, 160), r.height() * 0.08));
    for (const qreal y : {0.28, 0.48})
        p.drawLine(QPointF(round.left() + round.width() * 0.22, round.top() + r.height() * y),
                   QPointF(round.right() - round.width() * 0.22, round.top() + r.height() * y));
    p.restore();
}

void clock(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(outline(0.9, QColor(60, 60, 60)));
    p.setBrush(Qt::white);
    p.drawEllipse(inset(r, 0.6));
    p.setPen(QPen(QColor(30, 30, 30), r.width() * 0.09, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.center(), r.center() - QPointF(0, r.height() * 0.3));
    p.drawLine(r.center(), r.center() + QPointF(r.width() * 0.22, 0));
    p.restore();
}

void disk(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(outline(0.7, QColor(20, 40, 80)));
    p.setBrush(QColor(50, 90, 170));
    p.drawRoundedRect(inset(r, 0.5), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(
        QRectF(r.left() + r.width() * 0.22, r.top() + 0.5, r.width() * 0.56, r.height() * 0.38));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.6, r.width() * 0.6,
                      r.height() * 0.36));
    p.restore();
}

void eraser(QPainter &p, const QRectF &r)
{
    p.save();
    p.translate(r.center());
    p.rotate(-35);
    const qreal w = r.width() * 0.95;
    const qreal h = r.height() * 0.45;
    p.setPen(outline(0.7, QColor(90, 50, 60)));
    p.setBrush(QColor(245, 140, 160));
    p.drawRoundedRect(QRectF(-w / 2, -h / 2, w * 0.55, h), 0.8, 0.8);
    p.setBrush(QColor(90, 140, 230));
    p.drawRoundedRect(QRectF(-w / 2 + w * 0.55, -h / 2, w * 0.45, h), 0.8, 0.8);
    p.restore();
}

void letter(QPainter &p, const QRectF &r, const QString &text, const QColor &colour)
{
    p.save();
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(qMax(1, qRound(r.height() * 0.95)));
    QPainterPath glyph;
    glyph.addText(0, 0, font, text);
    const QRectF bounds = glyph.boundingRect();
    p.translate(r.center() - bounds.center());
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(glyph);
    p.restore();
}

void refresh(QPainter &p, const QRectF &r)
{
    p.save();
    const QRectF ring = inset(r, r.width() * 0.18);
    p.setPen(QPen(kGreen, r.width() * 0.14, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 30 * 16, 130 * 16);
    p.drawArc(ring, 210 * 16, 130 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    const qreal s = r.width() * 0.22;
    const auto head = [&](QPointF tip, QPointF along) {
        const QPointF side(-along.y(), along.x());
        QPainterPath h;
        h.moveTo(tip + along * s);
        h.lineTo(tip + side * s);
        h.lineTo(tip - side * s);
        h.closeSubpath();
        p.drawPath(h);
    };
    head(QPointF(ring.right() - ring.width() * 0.07, ring.top() + ring.height() * 0.25),
         QPointF(0.3, 0.95));
    head(QPointF(ring.left() + ring.width() * 0.07, ring.bottom() - ring.height() * 0.25),
         QPointF(-0.3, -0.95));
    p.restore();
}

void panels(QPainter &p, const QRectF &r)
{
    p.save();
    const QRectF frame = inset(r, 0.7);
    p.setPen(outline(0.8, QColor(50, 60, 80)));
    p.setBrush(Qt::white);
    p.drawRect(frame);
    p.setBrush(QColor(110, 160, 230));
    p.drawRect(QRectF(frame.left(), frame.top(), frame.width(), frame.height() * 0.4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 60, 80));
    QPainterPath triangle;
    const QPointF c(frame.center().x(), frame.top() + frame.height() * 0.72);
    const qreal s = frame.width() * 0.2;
    triangle.moveTo(c.x() - s, c.y() + s * 0.5);
    triangle.lineTo(c.x() + s, c.y() + s * 0.5);
    triangle.lineTo(c.x(), c.y() - s * 0.6);
    triangle.closeSubpath();
    p.drawPath(triangle);
    p.restore();
}

void info(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(outline(0.7, QColor(20, 60, 140)));
    p.setBrush(QColor(50, 110, 220));
    p.drawEllipse(inset(r, 0.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const qreal w = r.width() * 0.16;
    p.drawEllipse(QRectF(r.center().x() - w / 2, r.top() + r.height() * 0.2, w, w));
    p.drawRect(QRectF(r.center().x() - w / 2, r.top() + r.height() * 0.42, w, r.height() * 0.38));
    p.restore();
}

void footprints(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 40));
    const auto foot = [&](QPointF at, qreal angle) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        p.drawEllipse(
            QRectF(-r.width() * 0.12, -r.height() * 0.2, r.width() * 0.24, r.height() * 0.32));
        p.drawEllipse(
            QRectF(-r.width() * 0.1, r.height() * 0.15, r.width() * 0.2, r.height() * 0.12));
        p.restore();
    };
    foot(QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.6), -15);
    foot(QPointF(r.left() + r.width() * 0.7, r.top() + r.height() * 0.3), 15);
    p.restore();
}

void key(QPainter &p, const QRectF &r)
{
    p.save();
    const QColor gold(220, 170, 30);
    p.setPen(QPen(gold.darker(150), r.width() * 0.06));
    p.setBrush(gold);
    const QRectF bow(r.left(), r.top() + r.height() * 0.3, r.width() * 0.42, r.height() * 0.42);
    QPainterPath shape;
    shape.addEllipse(bow);
    shape.addRect(QRectF(bow.right() - 0.3, bow.center().y() - r.height() * 0.07, r.width() * 0.58,
                         r.height() * 0.14));
    shape.addRect(
        QRectF(r.right() - r.width() * 0.2, bow.center().y(), r.width() * 0.1, r.height() * 0.2));
    shape.addRect(
        QRectF(r.right() - r.width() * 0.4, bow.center().y(), r.width() * 0.1, r.height() * 0.15));
    p.drawPath(shape.simplified());
    p.setBrush(Qt::white);
    const qreal hole = bow.width() * 0.35;
    p.drawEllipse(QRectF(bow.center().x() - hole / 2 - bow.width() * 0.08,
                         bow.center().y() - hole / 2, hole, hole));
    p.restore();
}

void graph(QPainter &p, const QRectF &r)
{
    p.save();
    const QRectF frame = inset(r, 0.7);
    p.setPen(outline(0.8, QColor(40, 40, 40)));
    p.setBrush(QColor(20, 30, 25));
    p.drawRect(frame);
    QPainterPath line;
    const qreal points[] = {0.7, 0.4, 0.6, 0.2, 0.5, 0.3, 0.65};
    for (int i = 0; i < 7; ++i) {
        const QPointF at(frame.left() + frame.width() * (0.08 + 0.14 * i),
                         frame.top() + frame.height() * points[i]);
        if (i == 0)
            line.moveTo(at);
        else
            line.lineTo(at);
    }
    p.setPen(QPen(QColor(80, 230, 90), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    p.restore();
}

void plus(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(outline(0.6, kGreen.darker(160)));
    p.setBrush(kGreen);
    p.drawEllipse(r);
    p.setPen(QPen(Qt::white, r.width() * 0.18, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(r.left() + r.width() * 0.25, r.center().y()),
               QPointF(r.right() - r.width() * 0.25, r.center().y()));
    p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.25),
               QPointF(r.center().x(), r.bottom() - r.height() * 0.25));
    p.restore();
}

void lightning(QPainter &p, const QRectF &r)
{
    p.save();
    QPainterPath bolt;
    bolt.moveTo(r.left() + r.width() * 0.6, r.top());
    bolt.lineTo(r.left() + r.width() * 0.15, r.top() + r.height() * 0.55);
    bolt.lineTo(r.left() + r.width() * 0.45, r.top() + r.height() * 0.55);
    bolt.lineTo(r.left() + r.width() * 0.3, r.bottom());
    bolt.lineTo(r.right() - r.width() * 0.1, r.top() + r.height() * 0.4);
    bolt.lineTo(r.left() + r.width() * 0.55, r.top() + r.height() * 0.4);
    bolt.closeSubpath();
    p.setPen(outline(0.6, QColor(150, 100, 0)));
    p.setBrush(QColor(255, 210, 30));
    p.drawPath(bolt);
    p.restore();
}

void orbit(QPainter &p, const QRectF &r)
{
    p.save();
    const QRectF planet = inset(r, r.width() * 0.25);
    p.setPen(outline(0.7, QColor(90, 40, 120)));
    p.setBrush(QColor(170, 110, 220));
    p.drawEllipse(planet);
    p.setPen(QPen(QColor(250, 170, 40), r.width() * 0.08));
    p.setBrush(Qt::NoBrush);
    p.translate(r.center());
    p.rotate(-20);
    p.drawEllipse(QRectF(-r.width() / 2, -r.height() * 0.18, r.width(), r.height() * 0.36));
    p.restore();
}

void page(QPainter &p, const QRectF &r)
{
    p.save();
    QPainterPath sheet;
    const QRectF s = r.adjusted(r.width() * 0.15, 0.5, -r.width() * 0.15, -0.5);
    sheet.moveTo(s.topLeft());
    sheet.lineTo(s.right() - s.width() * 0.3, s.top());
    sheet.lineTo(s.right(), s.top() + s.width() * 0.3);
    sheet.lineTo(s.bottomRight());
    sheet.lineTo(s.bottomLeft());
    sheet.closeSubpath();
    p.setPen(outline(0.7, QColor(110, 110, 110)));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.restore();
}

void engineRing(QPainter &p, const QRectF &r, int position)
{
    p.save();
    const QRectF ring = inset(r, r.width() * 0.14);
    QPen dotted(QColor(150, 165, 185), r.width() * 0.14, Qt::DotLine, Qt::RoundCap);
    p.setPen(dotted);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ring);
    if (position > 0) {
        p.setPen(QPen(kGreen, r.width() * 0.18, Qt::SolidLine, Qt::RoundCap));
        // Eight steps clockwise from the top, each arc a quarter of the ring.
        const int start = (90 - (position - 1) * 45) * 16;
        p.drawArc(ring, start, -90 * 16);
    }
    p.restore();
}

} // namespace Picture
