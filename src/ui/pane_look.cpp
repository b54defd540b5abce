#include "pane_look.h"

#include <QApplication>
#include <QWidget>

void ShowSessionLook(const QList<QWidget *> &panes, bool sessionActive)
{
    const QColor background =
        QApplication::palette().color(sessionActive ? QPalette::Base : QPalette::Button);
    for (QWidget *pane : panes) {
        QPalette look = pane->palette();
        look.setColor(QPalette::Base, background);
        pane->setPalette(look);
    }
}
