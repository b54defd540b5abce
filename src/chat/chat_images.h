#pragma once

#include <QPixmap>

// 48 by 48: two people, the picture of a conversation window; an open envelope, the picture
// of the invitation dialogs.
QPixmap ConversationPicture(qreal devicePixelRatio);
QPixmap InvitationPicture(qreal devicePixelRatio);
