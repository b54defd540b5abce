#pragma once

#include "secondary_window.h"

#include <QIcon>
#include <QList>

class CommandSender;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Light yellow, as both arena dialogs are.
inline const QColor kArenaDialogYellow(255, 255, 160);

// Creates a private arena below the current vector.
class TCreatePrivateArenaForm : public SecondaryWindow {
    Q_OBJECT

public:
    // icons: the open arena and the same with a padlock, 48 by 48.
    TCreatePrivateArenaForm(CommandSender &sender, QList<QPixmap> icons, const ErrorGuard &guard,
                            QWidget *owner);

    // Which of the two icons shows: 1 with a password, 0 without.
    int iconIndex() const { return m_iconIndex; }

    QLabel *IconImage;
    QComboBox *MaximumPlayersComboBox;
    QLineEdit *DescriptionEdit;
    QLineEdit *PasswordEdit;
    QPushButton *BitBtn1; // "Cancel"
    QPushButton *BitBtn2; // "Create"

private:
    void PasswordEditChange();
    void BitBtn2Click();

    CommandSender &m_sender;
    QList<QPixmap> m_icons;
    int m_iconIndex = 0;
};

// Tells the engine whether the user hosts and how many play at the user's place.
class TSetMyArenaStatusForm : public SecondaryWindow {
    Q_OBJECT

public:
    // images: not hosting, hosting, dedicated host, 16 by 16.
    TSetMyArenaStatusForm(CommandSender &sender, const QPixmap &picture, QList<QIcon> images,
                          const ErrorGuard &guard, QWidget *owner);

    // What the dialog says, as the engine counts: 0 where nothing is chosen.
    int chosenStatus() const;
    int chosenPlayers() const;
    // Shows what the engine reports; a value outside a box's entries leaves it empty.
    void showReported(int status, int players);

    QComboBox *PlayersComboBox;
    QComboBox *ModeComboBoxEx;
    QCheckBox *AutoCheckBox;
    QPushButton *BitBtn1; // "Close"
    QPushButton *BitBtn2; // "Set Status"

    // Sends the dialog's values and closes it, as "Set Status" does.
    void BitBtn2Click();

private:
    CommandSender &m_sender;
};
