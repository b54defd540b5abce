#include "tool_bars.h"

#include <QAction>
#include <QEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

namespace {

// A tool button takes its tooltip from its action, which falls back to the caption when it has
// none; the button shows the hint alone.
class HintToolTip final : public QObject {
public:
    HintToolTip(QAction *action, QObject *parent)
        : QObject(parent)
        , m_action(action)
    {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        const QString hint = m_action->statusTip();
        auto *button = static_cast<QWidget *>(watched);
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), hint, button);
        return true;
    }

private:
    QAction *m_action;
};

} // namespace

QToolBar *BuildToolBar(const char *name, const QList<LayoutEntry> &entries,
                       const ActionTable &actions, QWidget *parent)
{
    QList<QAction *> actionsInOrder;
    for (const LayoutEntry &entry : entries)
        actionsInOrder.append(entry ? actions.action(*entry) : nullptr);
    return BuildToolBar(name, actionsInOrder, parent);
}

QToolBar *BuildToolBar(const char *name, const QList<QAction *> &entries, QWidget *parent)
{
    auto *toolBar = new QToolBar(parent);
    toolBar->setObjectName(QString::fromLatin1(name));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolBar->setContentsMargins(0, 0, 0, 0);
    for (QAction *action : entries) {
        if (!action) {
            toolBar->addSeparator();
            continue;
        }
        toolBar->addAction(action);
        if (QWidget *button = toolBar->widgetForAction(action))
            button->installEventFilter(new HintToolTip(action, button));
    }
    return toolBar;
}

void FillMenu(QMenu *menu, const QList<LayoutEntry> &entries, const ActionTable &actions)
{
    menu->setSeparatorsCollapsible(false);
    menu->setToolTipsVisible(true);
    for (const LayoutEntry &entry : entries) {
        if (entry)
            menu->addAction(actions.action(*entry));
        else
            menu->addSeparator();
    }
}
