#pragma once

#include <QList>

class QWidget;

// Panes look greyed while nobody is logged in: their background is the button face then, and the
// window background again once a session is active.
void ShowSessionLook(const QList<QWidget *> &panes, bool sessionActive);
