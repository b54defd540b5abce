#pragma once

#include "secondary_window.h"

class CommandSender;
class QLabel;
class QLineEdit;
class QPushButton;

// Offers to retry entering an arena whose password was refused.
class TFailedToJoinArenaForm : public SecondaryWindow {
    Q_OBJECT

public:
    TFailedToJoinArenaForm(CommandSender &sender, const QPixmap &picture, const ErrorGuard &guard,
                           QWidget *owner);

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
