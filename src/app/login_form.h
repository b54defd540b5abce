#pragma once

#include "secondary_window.h"

class CommandSender;
class QLineEdit;
class QPushButton;

// Asks for the QTag and password and hands them to the engine.
class TLoginForm : public SecondaryWindow {
    Q_OBJECT

public:
    TLoginForm(CommandSender &sender, const QPixmap &picture, const ErrorGuard &guard,
               QWidget *owner);

    // The credentials the engine holds, shown in the dialog; a dialog already up stays up.
    void showCredentials(const QString &qtag, const QString &password);

    QLineEdit *QTagEdit;
    QLineEdit *PasswordEdit;
    QPushButton *BitBtn1; // "Sign in"

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BitBtn1Click();

    CommandSender &m_sender;
};
