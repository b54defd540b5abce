#include "zol_orbital_mesh_form.h"

#include "line_breaks.h"
#include "memo_lines.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TZolOrbitalMeshForm::TZolOrbitalMeshForm(const ErrorGuard &guard, QWidget *owner)
    : SecondaryWindow({.name = "ZolOrbitalMeshForm", .caption = QStringLiteral("Zol Orbital Mesh")},
                      guard, owner)
{
    resize(424, 221);

    VectorEdit = new QLineEdit(this);
    VectorEdit->setObjectName(QStringLiteral("VectorEdit"));
    VectorEdit->setReadOnly(true);
    VectorEdit->setFrame(false);
    VectorEdit->setFocusPolicy(Qt::NoFocus);
    VectorEdit->setAccessibleName(QStringLiteral("Room"));

    MesseageMemo = new QPlainTextEdit(this);
    MesseageMemo->setObjectName(QStringLiteral("MesseageMemo"));
    MesseageMemo->setReadOnly(true);
    MesseageMemo->setAccessibleName(QStringLiteral("Room description"));
    MesseageMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    MesseageMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MesseageMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MesseageMemo->document()->setUndoRedoEnabled(false);

    AutoShowCheckBox = new QCheckBox(QStringLiteral("自動で表示させない"), this);
    AutoShowCheckBox->setObjectName(QStringLiteral("AutoShowCheckBox"));

    CloseBitBtn = new QPushButton(QStringLiteral("Close"), this);
    CloseBitBtn->setObjectName(QStringLiteral("CloseBitBtn"));
    CloseBitBtn->setDefault(true);
    CloseBitBtn->setAutoDefault(true);
    connect(CloseBitBtn, &QPushButton::clicked, this, &QDialog::reject);

    QVBoxLayout *layout = body();
    layout->addWidget(VectorEdit);
    layout->addWidget(MesseageMemo, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(AutoShowCheckBox);
    bottom->addStretch();
    bottom->addWidget(CloseBitBtn);
    layout->addLayout(bottom);
}

void TZolOrbitalMeshForm::replaceDescription(const QString &room, const QString &text)
{
    VectorEdit->setText(room);
    MesseageMemo->setPlainText(WithLineFeeds(text));
}

void TZolOrbitalMeshForm::appendDescription(const QString &room, const QString &text)
{
    VectorEdit->setText(room);
    AppendMemoLine(MesseageMemo, text);
}

void TZolOrbitalMeshForm::showAutomatically()
{
    if (!AutoShowCheckBox->isChecked() && !isVisible())
        showAndRaise();
}
