#include "chat_font_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

ChatFontDialog::ChatFontDialog(const QFont &font, const QColor &colour, QWidget *parent)
    : QDialog(parent)
    , m_fonts(new QFontDialog(font, this))
    , m_colourButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(QStringLiteral("Font"));
    // The platform's chooser, shown as part of this dialog rather than as a window of its own.
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);

    auto *colourLabel = new QLabel(QStringLiteral("Color:"), this);
    colourLabel->setBuddy(m_colourButton);
    m_colourButton->setObjectName(QStringLiteral("ColorButton"));
    m_colourButton->setAccessibleName(QStringLiteral("Color"));
    setCurrentColour(colour);
    connect(m_colourButton, &QPushButton::clicked, this, &ChatFontDialog::chooseColour);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::accepted, this, [this] { Q_EMIT chosen(currentFont(), m_colour); });

    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(m_colourButton);
    colourRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

QFont ChatFontDialog::currentFont() const
{
    return m_fonts->currentFont();
}

void ChatFontDialog::setCurrentColour(const QColor &colour)
{
    m_colour = colour;
    QPixmap swatch(32, 14);
    swatch.fill(colour);
    QPainter(&swatch).drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    m_colourButton->setIcon(QIcon(swatch));
    m_colourButton->setIconSize(swatch.size());
    m_colourButton->setToolTip(colour.name());
}

void ChatFontDialog::chooseColour()
{
    auto *dialog = new QColorDialog(m_colour, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QColorDialog::colorSelected, this, &ChatFontDialog::setCurrentColour);
    dialog->open();
}
