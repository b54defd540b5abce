#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

// The chat font in one dialog: the platform's font chooser with the text colour beside it, as
// the user picks both at once.
class ChatFontDialog : public QDialog {
    Q_OBJECT

public:
    ChatFontDialog(const QFont &font, const QColor &colour, QWidget *parent);

    QFont currentFont() const;
    QColor currentColour() const { return m_colour; }
    void setCurrentColour(const QColor &colour);

Q_SIGNALS:
    void chosen(const QFont &font, const QColor &colour);

private:
    void chooseColour();

    QFontDialog *m_fonts;
    QPushButton *m_colourButton;
    QColor m_colour;
};
