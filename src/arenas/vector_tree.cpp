#include "vector_tree.h"

#include "commands.h"
#include "split_text.h"

#include <QTreeWidget>

namespace {

const QString kPathSeparator = QStringLiteral("/");

// Lower bound of text among the children of parent, which are kept in locale order.
int sortedPosition(const QTreeWidgetItem *parent, const QString &text)
{
    int low = 0;
    int high = parent->childCount();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (QString::localeAwareCompare(parent->child(middle)->text(0), text) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

} // namespace

VectorTree::VectorTree(QTreeWidget *view, QList<QIcon> images)
    : m_view(view)
    , m_images(std::move(images))
{
    m_root = makeNode(Command::kGeneralChatRoom, RootNode, RootSelected);
    m_view->addTopLevelItem(m_root);
    m_root->addChild(makeNode(QStringLiteral("Arena"), ArenaNode, ArenaSelected));
}

QIcon VectorTree::nodeIcon(int image, int selectedImage)
{
    // Every node of a kind shares its icon: a tree of thousands draws no picture twice.
    const int key = image * 256 + selectedImage;
    const auto cached = m_nodeIcons.constFind(key);
    if (cached != m_nodeIcons.cend())
        return *cached;
    QIcon icon;
    const QIcon normal = m_images.value(image);
    const QIcon selected = m_images.value(selectedImage);
    for (const int size : {16, 32, 48}) {
        icon.addPixmap(normal.pixmap(size), QIcon::Normal);
        icon.addPixmap(selected.pixmap(size), QIcon::Selected);
    }
    m_nodeIcons.insert(key, icon);
    return icon;
}

QTreeWidgetItem *VectorTree::makeNode(const QString &text, int image, int selectedImage)
{
    auto *node = new QTreeWidgetItem(QStringList{text});
    node->setData(0, kImageRole, image);
    node->setData(0, kSelectedImageRole, selectedImage);
    node->setIcon(0, nodeIcon(image, selectedImage));
    return node;
}

template <typename Step>
QTreeWidgetItem *VectorTree::walk(const QString &path, Step step) const
{
    // The first level is always taken, so the empty path is an empty-named child of the root;
    // an empty level in the middle is a level like any other; a trailing '/' adds nothing.
    QTreeWidgetItem *node = m_root;
    SplitText parts = SplitFirst(path, kPathSeparator);
    for (int level = 1;; ++level) {
        if (level > kDeepestLevel)
            return nullptr;
        node = step(node, parts.first);
        if (!node || parts.second.isEmpty())
            return node;
        parts = SplitFirst(parts.second, kPathSeparator);
    }
}

QTreeWidgetItem *VectorTree::EnsureVectorNode(const QString &path)
{
    return walk(path, [this](QTreeWidgetItem *parent, const QString &text) {
        QTreeWidgetItem *child = childWithText(parent, text);
        return child ? child : const_cast<VectorTree *>(this)->addChild(parent, text);
    });
}

QTreeWidgetItem *VectorTree::FindVectorNode(const QString &path) const
{
    return walk(path, [this](QTreeWidgetItem *parent, const QString &text) {
        return childWithText(parent, text);
    });
}

QTreeWidgetItem *VectorTree::childWithText(QTreeWidgetItem *parent, const QString &text) const
{
    // Texts equal in locale order sit together; the first exact one among them is the match.
    for (int i = sortedPosition(parent, text); i < parent->childCount(); ++i) {
        QTreeWidgetItem *child = parent->child(i);
        if (child->text(0) == text)
            return child;
        if (QString::localeAwareCompare(child->text(0), text) != 0)
            break;
    }
    return nullptr;
}

QTreeWidgetItem *VectorTree::addChild(QTreeWidgetItem *parent, const QString &text)
{
    QTreeWidgetItem *child = makeNode(text, RunTimeNode, RunTimeNode);
    int position = sortedPosition(parent, text);
    while (position < parent->childCount() &&
           QString::localeAwareCompare(parent->child(position)->text(0), text) == 0)
        ++position;
    parent->insertChild(position, child);
    // The parent shows its new child. Only nodes with children are expanded, so the view keeps
    // few expanded nodes however large the tree grows, and an insert costs the same at any size.
    parent->setExpanded(true);
    return child;
}

void ExpandWithDescendants(QTreeWidgetItem *node)
{
    QList<QTreeWidgetItem *> pending{node};
    while (!pending.isEmpty()) {
        QTreeWidgetItem *next = pending.takeLast();
        next->setExpanded(true);
        for (int i = 0; i < next->childCount(); ++i)
            pending.append(next->child(i));
    }
}

QString VectorTree::VectorPathOf(const QTreeWidgetItem *node)
{
    // Walked without recursion: a path may be thousands of levels deep.
    QStringList levels;
    for (; node && node->parent(); node = node->parent())
        levels.prepend(node->text(0));
    return levels.join(kPathSeparator);
}
