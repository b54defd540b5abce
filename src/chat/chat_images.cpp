#include "chat_images.h"

#include "composed_pictures.h"
#include "pictures.h"

#include <QPainter>

QPixmap ConversationPicture(qreal devicePixelRatio)
{
    return PaintedPixmap(Picture::twoPersons(false), 16, 48, devicePixelRatio);
}

QPixmap InvitationPicture(qreal devicePixelRatio)
{
    return PaintedPixmap([](QPainter &p) { Picture::envelope(p, QRectF(0, 1, 16, 14), true); }, 16,
                         48, devicePixelRatio);
}
