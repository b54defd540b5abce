#pragma once

#include "action_table.h"

#include <QList>

#include <optional>

struct MenuLayout {
    const char *title;
    QList<LayoutEntry> entries;
};

QList<MenuLayout> MainMenuLayout();
QList<LayoutEntry> ActionToolBar1Layout();
QList<LayoutEntry> UserListActionToolBarLayout();
QList<LayoutEntry> ActionToolBar2Layout();
