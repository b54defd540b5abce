#include "zol_orbital_mesh_form.h"

#include "memo_lines.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor kPaleYellow(255, 255, 160);

QString withLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

TZolOrbitalMeshForm::TZolOrbitalMeshForm(QWidget *parent)
    : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("ZolOrbitalMeshForm"));
    setWindowTitle(QStringLiteral("Zol Orbital Mesh"));
    resize(424, 221);
    QPalette look = palette();
    look.setColor(QPalette::Window, kPaleYellow);
    setPalette(look);
    setAutoFillBackground(true);

    VectorEdit = new QLineEdit(this);
    VectorEdit->setObjectName(QStringLiteral("VectorEdit"));
    VectorEdit->setReadOnly(true);
    VectorEdit->setFrame(false);
    VectorEdit->setFocusPolicy(Qt::NoFocus);

    MesseageMemo = new QPlainTextEdit(this);
    MesseageMemo->setObjectName(QStringLiteral("MesseageMemo"));
    MesseageMemo->setReadOnly(true);
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

    auto *layout = new QVBoxLayout(this);
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
    MesseageMemo->setPlainText(withLineBreaks(text));
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

void TZolOrbitalMeshForm::showAndRaise()
{
    show();
    raise();
    activateWindow();
}
