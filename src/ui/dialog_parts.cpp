#include "dialog_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

QLabel *BoldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void ShowsEngineText(QLabel *label)
{
    label->setTextFormat(Qt::PlainText);
    label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
}

QPushButton *NamedButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QHBoxLayout *ButtonRow(QPushButton *cancel, QPushButton *confirm)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cancel);
    row->addWidget(confirm);
    return row;
}
