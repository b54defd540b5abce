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
    void showsMarkupAsText_data();
    void showsMarkupAsText();
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

void TestPrompts::showsMarkupAsText_data()
{
    QTest::addColumn<bool>("question");
    QTest::newRow("error report") << false;
    QTest::newRow("yes/no question") << true;
}

void TestPrompts::showsMarkupAsText()
{
    QFETCH(bool, question);
    QWidget window;
    window.show();
    MessageBoxPrompts prompts(&window);
    // A QTag the engine sent, as a delete question or an error about its log file shows it.
    const QString text = QStringLiteral("<img src=\"/etc/hostname\"><b>x</b>");
    if (question)
        prompts.askYesNo(text, [](bool) {});
    else
        prompts.reportError(text);
    const QList<QMessageBox *> boxes = openBoxes(window);
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first()->textFormat(), Qt::PlainText);
    QCOMPARE(boxes.first()->text(), text);
}

QTEST_MAIN(TestPrompts)
#include "tst_prompts.moc"
