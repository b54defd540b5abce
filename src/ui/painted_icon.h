#pragma once

#include <QIcon>

#include <functional>

class QPainter;

// Paints a picture on a square canvas of `canvas` logical units.
using PictureFunction = std::function<void(QPainter &)>;

// An icon drawn anew at whatever size it is shown, so it stays crisp on any screen.
QIcon PaintedIcon(PictureFunction paint, int canvas = 16);
// The same picture, washed out: the faded variants of the image lists.
PictureFunction Faded(PictureFunction paint);
// A picture of `canvas` units as a pixmap of `size` device-independent pixels.
QPixmap PaintedPixmap(const PictureFunction &paint, int canvas, int size, qreal devicePixelRatio);
