#pragma once

#include "secondary_window.h"
#include "subsystem.h"

#include <QObject>
#include <QUrl>

class PageOpener;
class QLabel;
class QPushButton;

// The engine operator's site; the other two pages are its root with a query.
inline const QUrl kOperatorSite(QStringLiteral("https://quorl.example/"));
QUrl OperatorPage(const QString &query);

// Names the program and its build.
class TAboutForm : public SecondaryWindow {
    Q_OBJECT

public:
    TAboutForm(const ErrorGuard &guard, QWidget *owner);

    QLabel *Label2;
    QLabel *BuildLabel;
    QLabel *Label5;
    QLabel *Image1;
    QLabel *Label3;
    QPushButton *BitBtn1; // "Close"
};

// The "&Help" menu: three pages of the operator's site and the About window.
class AboutAndLinks : public QObject, public Subsystem {
    Q_OBJECT

public:
    struct Collaborators {
        PageOpener *pages = nullptr;
        const ErrorGuard *guard = nullptr;
    };

    explicit AboutAndLinks(const Collaborators &with, QObject *parent = nullptr);

    QList<StartWindowFactory> windowsAtStart() override;
    void bindActions(ActionTable &actions) override;

    TAboutForm &aboutForm() const { return *m_about; }

private:
    Collaborators m_with;
    TAboutForm *m_about = nullptr;
};

// The picture of the About window, 240 by 136, drawn anew.
QPixmap AboutPicture(qreal devicePixelRatio);
