#pragma once

#include <QDialog>

class CommandSender;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the QTag and password and hands them to the engine as typed.
class TLoginForm : public QDialog {
    Q_OBJECT

public:
    TLoginForm(CommandSender &sender, const QPixmap &picture, QWidget *parent);

    // Shows the dialog without waiting for it; a dialog already up stays up.
    void showModeless();

    QLineEdit *QTagEdit;
    QLineEdit *PasswordEdit;
    QPushButton *BitBtn1; // "Sign in"

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BitBtn1Click();

    CommandSender &m_sender;
};
