#pragma once

#include <QDialog>

class CommandSender;
class QLabel;
class QLineEdit;
class QPushButton;

// Offers to retry entering an arena whose password was refused.
class TFailedToJoinArenaForm : public QDialog {
    Q_OBJECT

public:
    TFailedToJoinArenaForm(CommandSender &sender, const QPixmap &picture, QWidget *parent);

    // Shows the refused path, keeping the password typed the last time.
    void showRefused(const QString &path);

    QLabel *VectorStaticText;
    QLineEdit *PasswordEdit;
    QPushButton *Button1; // retry with the password
    QPushButton *BitBtn1; // close

private:
    void Button1Click();

    CommandSender &m_sender;
};
