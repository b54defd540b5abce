// Renders the program's icon, the busy engine ring, as PNG files of the sizes a desktop's icon
// theme asks for: make_icons OUTPUT_FOLDER SIZE...
// Each goes to OUTPUT_FOLDER/SIZExSIZE.png.

#include "painted_icon.h"
#include "pictures.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icons OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QPixmap icon = PaintedPixmap(
            [](QPainter &p) { Picture::engineRing(p, QRectF(0, 0, 16, 16), 3); }, 16, size, 1.0);
        const QString path = QStringLiteral("%1/%2x%2.png").arg(folder).arg(size);
        if (!icon.save(path)) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
