#pragma once

#include "action_table.h"

#include <QList>

class QMenu;
class QToolBar;
class QWidget;

// A tool bar of small pictures without captions, in the order of its layout. Each button shows
// its action's hint as a tooltip, and no tooltip where the action has no hint.
QToolBar *BuildToolBar(const char *name, const QList<LayoutEntry> &entries,
                       const ActionTable &actions, QWidget *parent);
// The same for actions of a window of their own; a null entry is a separator.
QToolBar *BuildToolBar(const char *name, const QList<QAction *> &entries, QWidget *parent);

// Fills a menu in the order of its layout. Separators stay drawn also at the end of the menu,
// where a bookmark list or nothing may follow them.
void FillMenu(QMenu *menu, const QList<LayoutEntry> &entries, const ActionTable &actions);
