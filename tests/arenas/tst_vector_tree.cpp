#include "vector_tree.h"

#include <QTest>
#include <QTreeWidget>

class TestVectorTree : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsTwoNodes();
    void walksPaths_data();
    void walksPaths();
    void keepsSiblingsInOrder();
    void findsWithoutCreating();
    void stopsAtTheDeepestLevel();
};

namespace {

// The tree as text: every node's path, depth first.
QStringList pathsOf(QTreeWidgetItem *node)
{
    QStringList paths;
    for (int i = 0; i < node->childCount(); ++i) {
        paths.append(u'"' + VectorTree::VectorPathOf(node->child(i)) + u'"');
        paths += pathsOf(node->child(i));
    }
    return paths;
}

} // namespace

void TestVectorTree::startsWithItsTwoNodes()
{
    QTreeWidget view;
    VectorTree tree(&view, {});
    QCOMPARE(view.topLevelItemCount(), 1);
    QTreeWidgetItem *root = tree.root();
    QCOMPARE(root->text(0), QStringLiteral("General Chat"));
    QCOMPARE(root->data(0, VectorTree::kImageRole).toInt(), 1);
    QCOMPARE(root->data(0, VectorTree::kSelectedImageRole).toInt(), 2);
    QCOMPARE(root->childCount(), 1);
    QCOMPARE(root->child(0)->text(0), QStringLiteral("Arena"));
    QCOMPARE(root->child(0)->data(0, VectorTree::kImageRole).toInt(), 3);
    QCOMPARE(root->child(0)->data(0, VectorTree::kSelectedImageRole).toInt(), 4);
    QCOMPARE(VectorTree::VectorPathOf(root), QString());
    QCOMPARE(VectorTree::VectorPathOf(root->child(0)), QStringLiteral("Arena"));
}

void TestVectorTree::walksPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("nodePath");
    QTest::addColumn<QStringList>("tree");

    QTest::newRow("existing level") << "Arena"
                                    << "Arena" << QStringList{"\"Arena\""};
    QTest::newRow("deeper, creating the levels on the way")
        << "Arena/PSP/Action"
        << "Arena/PSP/Action" << QStringList{"\"Arena\"", "\"Arena/PSP\"", "\"Arena/PSP/Action\""};
    QTest::newRow("empty path: an empty-named node under the root")
        << ""
        << "" << QStringList{"\"\"", "\"Arena\""};
    QTest::newRow("trailing slash adds nothing")
        << "Arena/PSP/"
        << "Arena/PSP" << QStringList{"\"Arena\"", "\"Arena/PSP\""};
    QTest::newRow("empty level in the middle is a level")
        << "Arena//x"
        << "Arena//x" << QStringList{"\"Arena\"", "\"Arena/\"", "\"Arena//x\""};
    QTest::newRow("leading slash") << "/x"
                                   << "/x" << QStringList{"\"\"", "\"/x\"", "\"Arena\""};
    QTest::newRow("letter case counts") << "arena"
                                        << "arena" << QStringList{"\"Arena\"", "\"arena\""};
}

void TestVectorTree::walksPaths()
{
    QFETCH(QString, path);
    QFETCH(QString, nodePath);
    QFETCH(QStringList, tree);

    QTreeWidget view;
    VectorTree vectors(&view, {});
    QTreeWidgetItem *node = vectors.EnsureVectorNode(path);
    QCOMPARE(VectorTree::VectorPathOf(node), nodePath);
    QCOMPARE(vectors.EnsureVectorNode(path), node);
    QCOMPARE(vectors.FindVectorNode(path), node);
    QCOMPARE(node->data(0, VectorTree::kImageRole).toInt(),
             node->parent() == vectors.root() && node->text(0) == u"Arena" ? 3 : 0);
    QCOMPARE(pathsOf(vectors.root()), tree);
}

void TestVectorTree::keepsSiblingsInOrder()
{
    QTreeWidget view;
    VectorTree tree(&view, {});
    for (const char *name : {"XBox", "GameCube", "PSP", "PlayStation 2", "3DO"})
        tree.EnsureVectorNode(QStringLiteral("Arena/") + QString::fromLatin1(name));
    QTreeWidgetItem *arena = tree.FindVectorNode(QStringLiteral("Arena"));
    QStringList names;
    for (int i = 0; i < arena->childCount(); ++i)
        names.append(arena->child(i)->text(0));
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        return QString::localeAwareCompare(a, b) < 0;
    });
    QCOMPARE(names, sorted);
    QCOMPARE(names.size(), 5);
    QVERIFY(arena->isExpanded());
}

void TestVectorTree::findsWithoutCreating()
{
    QTreeWidget view;
    VectorTree tree(&view, {});
    QCOMPARE(tree.FindVectorNode(QStringLiteral("Arena/PSP")), nullptr);
    QCOMPARE(tree.FindVectorNode(QStringLiteral("Nowhere")), nullptr);
    QCOMPARE(tree.FindVectorNode(QString()), nullptr);
    QCOMPARE(tree.root()->childCount(), 1);
    QCOMPARE(tree.root()->child(0)->childCount(), 0);
}

void TestVectorTree::stopsAtTheDeepestLevel()
{
    QTreeWidget view;
    VectorTree tree(&view, {});
    view.show();
    QString deepest = QStringLiteral("Arena");
    for (int level = 2; level <= VectorTree::kDeepestLevel; ++level)
        deepest += QStringLiteral("/l");
    // As deep as one datagram can carry.
    const QString tooDeep = deepest + QStringLiteral("/l").repeated(32000);

    QCOMPARE(tree.EnsureVectorNode(tooDeep), nullptr);
    QCOMPARE(tree.FindVectorNode(tooDeep), nullptr);
    QTreeWidgetItem *last = tree.FindVectorNode(deepest);
    QVERIFY(last);
    QCOMPARE(last->childCount(), 0);
    QCOMPARE(VectorTree::VectorPathOf(last), deepest);
    QCOMPARE(tree.EnsureVectorNode(deepest), last);
    // The view lays out and shows the whole chain.
    view.setCurrentItem(last);
    view.grab();
}

QTEST_MAIN(TestVectorTree)
#include "tst_vector_tree.moc"
