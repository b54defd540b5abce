#include "prompts.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

class TestPrompts : public QObject {
    Q_OBJECT

private slots:
    void asksEachTakeOverWithoutWaiting();
    void reportsErrorsWithTheProgramsTitle();
};

namespace {

QList<QMessageBox *> openBoxes(const QWidget &parent)
{
    QList<QMessageBox *> boxes;
    for (QMessageBox *box : parent.findChildren<QMessageBox *>()) {
        if (box->isVisible())
            boxes.append(box);
    }
    return boxes;
}

} // namespace

void TestPrompts::asksEachTakeOverWithoutWaiting()
{
    QWidget window;
    window.show();
    MessageBoxPrompts prompts(&window);
    QList<bool> answers;

    // Both questions are up at once: asking returns at once.
    prompts.askTakeOver([&](bool yes) { answers.append(yes); });
    prompts.askTakeOver([&](bool yes) { answers.append(yes); });
    const QList<QMessageBox *> boxes = openBoxes(window);
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(answers, QList<bool>{});

    QMessageBox *first = boxes.at(0);
    QCOMPARE(first->windowTitle(), QStringLiteral("TovrelUI"));
    QCOMPARE(
        first->text(),
        QStringLiteral("既に他のUIがQuorl zol engineを使用中です。\n強制的に切り替えますか？"));
    QCOMPARE(first->windowModality(), Qt::ApplicationModal);
    QVERIFY(first->button(QMessageBox::Yes) && first->button(QMessageBox::No));

    boxes.at(1)->button(QMessageBox::Yes)->click();
    first->button(QMessageBox::No)->click();
    QCOMPARE(answers, (QList<bool>{true, false}));
}

void TestPrompts::reportsErrorsWithTheProgramsTitle()
{
    QWidget window;
    window.show();
    MessageBoxPrompts prompts(&window);
    prompts.reportError(QStringLiteral("I/O error 13: Permission denied"));
    const QList<QMessageBox *> boxes = openBoxes(window);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first()->windowTitle(), QStringLiteral("TovrelUI"));
    QCOMPARE(boxes.first()->icon(), QMessageBox::Critical);
    QCOMPARE(boxes.first()->text(), QStringLiteral("I/O error 13: Permission denied"));
}

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
