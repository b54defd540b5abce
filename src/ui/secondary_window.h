#pragma once

#include "error_guard.h"

#include <QColor>
#include <QDialog>
#include <QPixmap>

class QAbstractButton;
class QVBoxLayout;

inline const QColor kPaleYellow(255, 255, 160);

// What sets one secondary window apart from the others.
struct WindowLook {
    const char *name = nullptr; // objectName
    QString caption{};
    QColor background = kPaleYellow;
    QPixmap picture{}; // at the top left; none when null
    int pictureSize = 48;
};

// The frame every secondary window shares: a tool window owned by the main window, its
// background colour, the picture at the top left, opening at the top left of the screen (where
// it does not cover the chat), and hidden, not destroyed, when closed. A window adds only its
// own content, into body(), the column right of the picture.
class SecondaryWindow : public QDialog {
    Q_OBJECT

public:
    SecondaryWindow(const WindowLook &look, const ErrorGuard &guard, QWidget *owner,
                    Qt::WindowFlags extraFlags = {});

    void showAndRaise();

protected:
    QVBoxLayout *body() const { return m_body; }
    // A window that cannot be resized: its designed size, or more where its fonts need it.
    // Measured when it is first shown, so that creating it at start costs no font lookups.
    void setDesignedSize(const QSize &size) { m_designedSize = size; }
    void showEvent(QShowEvent *event) override;
    // A button's click runs work through the error guard.
    template <typename Work>
    void onClicked(QAbstractButton *button, Work work);

    const ErrorGuard &m_guard;

private:
    QVBoxLayout *m_body;
    QSize m_designedSize;
};

#include <QAbstractButton>

template <typename Work>
void SecondaryWindow::onClicked(QAbstractButton *button, Work work)
{
    connect(button, &QAbstractButton::clicked, this, m_guard.slot(std::move(work)));
}
