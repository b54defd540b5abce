#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Shows the last room description the engine sent.
class TZolOrbitalMeshForm : public QDialog {
    Q_OBJECT

public:
    explicit TZolOrbitalMeshForm(QWidget *parent);

    void replaceDescription(const QString &room, const QString &text);
    void appendDescription(const QString &room, const QString &text);
    // A new description brings the window up unless the user asked it not to.
    void showAutomatically();
    void showAndRaise();

    QLineEdit *VectorEdit;
    QPlainTextEdit *MesseageMemo;
    QPushButton *CloseBitBtn;
    QCheckBox *AutoShowCheckBox;
};
