#pragma once

#include "secondary_window.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Shows the last room description the engine sent.
class TZolOrbitalMeshForm : public SecondaryWindow {
    Q_OBJECT

public:
    TZolOrbitalMeshForm(const ErrorGuard &guard, QWidget *owner);

    void replaceDescription(const QString &room, const QString &text);
    void appendDescription(const QString &room, const QString &text);
    // A new description brings the window up unless the user asked it not to.
    void showAutomatically();

    QLineEdit *VectorEdit;
    QPlainTextEdit *MesseageMemo;
    QPushButton *CloseBitBtn;
    QCheckBox *AutoShowCheckBox;
};
