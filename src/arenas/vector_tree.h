#pragma once

#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

void ExpandWithDescendants(QTreeWidgetItem *node);

// The arena hierarchy as a tree that only grows: nodes are added for every vector the engine
// reports or the user enters, siblings kept in the desktop's alphabetical order.
class VectorTree {
public:
    // Pictures of the nodes, indexed as the tree's image list.
    enum Image {
        RunTimeNode = 0,
        RootNode = 1,
        RootSelected = 2,
        ArenaNode = 3,
        ArenaSelected = 4
    };
    // Deeper levels get no node. Real arenas are a handful of levels deep, while a path of
    // thousands (one datagram holds 32,000) would overflow the stack in the view's recursive
    // layout and make every later insert relay out the whole chain.
    static constexpr int kDeepestLevel = 100;
    static constexpr int kImageRole = Qt::UserRole + 1;
    static constexpr int kSelectedImageRole = Qt::UserRole + 2;

    VectorTree(QTreeWidget *view, QList<QIcon> images);

    QTreeWidget *view() const { return m_view; }
    QTreeWidgetItem *root() const { return m_root; }

    // The node of the path, creating the missing nodes on the way; nullptr for a path deeper
    // than kDeepestLevel, whose levels are made down to that depth.
    QTreeWidgetItem *EnsureVectorNode(const QString &path);
    // The same walk without creating anything; nullptr where a level is missing or too deep.
    QTreeWidgetItem *FindVectorNode(const QString &path) const;
    static QString VectorPathOf(const QTreeWidgetItem *node);

private:
    template <typename Step>
    QTreeWidgetItem *walk(const QString &path, Step step) const;
    QTreeWidgetItem *childWithText(QTreeWidgetItem *parent, const QString &text) const;
    QTreeWidgetItem *addChild(QTreeWidgetItem *parent, const QString &text);
    QTreeWidgetItem *makeNode(const QString &text, int image, int selectedImage);
    QIcon nodeIcon(int image, int selectedImage);

    QTreeWidget *m_view;
    QList<QIcon> m_images;
    QHash<int, QIcon> m_nodeIcons;
    QTreeWidgetItem *m_root;
};
