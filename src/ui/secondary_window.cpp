#include "secondary_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

SecondaryWindow::SecondaryWindow(const WindowLook &look, const ErrorGuard &guard, QWidget *owner,
                                 Qt::WindowFlags extraFlags)
    : QDialog(owner, Qt::Tool | extraFlags)
    , m_guard(guard)
    , m_body(new QVBoxLayout)
{
    setObjectName(QString::fromLatin1(look.name));
    setWindowTitle(look.caption);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, look.background);
    setPalette(palette);
    setAutoFillBackground(true);

    auto *layout = new QGridLayout(this);
    if (!look.picture.isNull()) {
        auto *image = new QLabel(this);
        image->setObjectName(QStringLiteral("Image1"));
        image->setPixmap(look.picture);
        image->setFixedSize(look.pictureSize, look.pictureSize);
        image->setAccessibleName(look.caption);
        layout->addWidget(image, 0, 0, Qt::AlignTop);
    }
    layout->addLayout(m_body, 0, 1);
    if (owner && owner->screen())
        move(owner->screen()->availableGeometry().topLeft());
}

void SecondaryWindow::showEvent(QShowEvent *event)
{
    if (m_designedSize.isValid()) {
        QSize size = sizeHint().expandedTo(m_designedSize);
        if (screen())
            size = size.boundedTo(screen()->availableSize());
        setFixedSize(size);
        m_designedSize = QSize();
    }
    QDialog::showEvent(event);
}

void SecondaryWindow::showAndRaise()
{
    show();
    raise();
    // Activating tells every window of the program; an active window needs none of it.
    if (!isActiveWindow())
        activateWindow();
}
