#include "painted_icon.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>

namespace {

class PaintedIconEngine final : public QIconEngine {
public:
    PaintedIconEngine(PictureFunction paint, int canvas)
        : m_paint(std::move(paint))
        , m_canvas(canvas)
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const quint64 key = (quint64(size.width()) << 32) | (quint64(size.height()) << 8) | mode;
        const auto cached = m_cache.constFind(key);
        if (cached != m_cache.cend())
            return *cached;
        QImage image =
            PaintedPixmap(m_paint, m_canvas, qMin(size.width(), size.height()), 1.0).toImage();
        if (mode == QIcon::Disabled)
            image = disabled(image);
        const QPixmap result = QPixmap::fromImage(image);
        m_cache.insert(key, result);
        return result;
    }

    QIconEngine *clone() const override { return new PaintedIconEngine(m_paint, m_canvas); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48)};
    }

private:
    static QImage disabled(const QImage &source)
    {
        QImage image = source.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(line[x]);
                line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
            }
        }
        return image;
    }

    PictureFunction m_paint;
    int m_canvas;
    QHash<quint64, QPixmap> m_cache;
};

} // namespace

QPixmap PaintedPixmap(const PictureFunction &paint, int canvas, int size, qreal devicePixelRatio)
{
    const int pixels = qMax(1, qRound(size * devicePixelRatio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(qreal(pixels) / canvas, qreal(pixels) / canvas);
        paint(painter);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon PaintedIcon(PictureFunction paint, int canvas)
{
    return QIcon(new PaintedIconEngine(std::move(paint), canvas));
}

PictureFunction Faded(PictureFunction paint)
{
    return [paint = std::move(paint)](QPainter &painter) {
        painter.setOpacity(0.4);
        paint(painter);
    };
}
