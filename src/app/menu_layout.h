#pragma once

#include "action_table.h"

#include <QList>

#include <optional>

// One entry of a menu or tool bar: an action, or a separator where there is none.
using LayoutEntry = std::optional<ActionId>;

struct MenuLayout {
    const char *title;
    QList<LayoutEntry> entries;
};

QList<MenuLayout> MainMenuLayout();
QList<LayoutEntry> ActionToolBar1Layout();
QList<LayoutEntry> UserListActionToolBarLayout();
QList<LayoutEntry> ActionToolBar2Layout();
