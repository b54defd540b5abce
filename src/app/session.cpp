#include "session.h"

#include "action_table.h"
#include "chat_line_sink.h"
#include "commands.h"
#include "engine_link.h"
#include "login_form.h"
#include "message_dispatcher.h"
#include "user_list_model.h"
#include "vector_navigation.h"
#include "wire_text.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

namespace {
constexpr int kAttachedStatusImage = 9;
constexpr int kDetachedStatusImage = 13;
} // namespace

Session::Session(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
    , m_statusLabel(new QLabel(with.statusBar))
{
    m_statusLabel->setObjectName(QStringLiteral("StatusText"));
    m_statusLabel->setTextFormat(Qt::PlainText);
    m_with.statusBar->addWidget(m_statusLabel, 1);
}

void Session::registerHandlers(MessageDispatcher &dispatcher)
{
    using enum MessageKind;
    dispatcher.registerHandler(LoggedIn, [this](FieldReader) { SetSessionActive(true); });
    dispatcher.registerHandler(NotLoggedIn, [this](FieldReader r) { notLoggedIn(r); });
    dispatcher.registerHandler(Status, [this](FieldReader r) { status(r); });
    dispatcher.registerHandler(ConnectedMessenger, [this](FieldReader) { connectedMessenger(); });
    // Reported by the engine, nothing to show for them.
    dispatcher.registerHandler(ConnectedArena, [](FieldReader) {});
    dispatcher.registerHandler(CodePage, [](FieldReader) {});
    dispatcher.registerHandler(SessionKey, [](FieldReader) {});
}

QString Session::statusBarText() const
{
    const QString hint = m_with.statusBar->currentMessage();
    return hint.isEmpty() ? m_statusLabel->text() : hint;
}

void Session::SetSessionActive(bool active)
{
    m_sessionActive = active;
    m_with.vectorTree->setEnabled(active);
    // Greyed panes say at a glance that nobody is logged in.
    const QColor background =
        QApplication::palette().color(active ? QPalette::Base : QPalette::Button);
    for (QWidget *pane : std::as_const(m_with.panes)) {
        QPalette look = pane->palette();
        look.setColor(QPalette::Base, background);
        pane->setPalette(look);
    }
    m_with.updateSendButton();
    m_with.link->UpdateEngineIcon();
}

void Session::UpdateStatusIcon()
{
    const int base = m_with.link->EngineAttached() ? kAttachedStatusImage : kDetachedStatusImage;
    m_with.actions->setImageIndex(ActionId::Status, base + m_arenaStatusIndicator);
}

void Session::LoginActionExecute()
{
    m_with.loginForm->showModeless();
}

void Session::QuorlZolIconActionExecute()
{
    if (!m_with.link->EngineAttached())
        m_with.actions->execute(ActionId::SearchEngine);
    else if (!m_sessionActive)
        m_with.actions->execute(ActionId::Login);
}

void Session::StatusActionExecute()
{
    if (m_with.link->EngineAttached())
        m_with.actions->execute(ActionId::SetMyArenaStatus);
}

void Session::ApplicationOnHint(const QString &hint)
{
    if (hint.isEmpty())
        m_with.statusBar->clearMessage();
    else
        m_with.statusBar->showMessage(hint);
}

void Session::notLoggedIn(FieldReader reader)
{
    const QString qtag = NextAnsiField(reader);
    const QString password = NextAnsiField(reader);
    SetSessionActive(false);
    m_with.loginForm->QTagEdit->setText(qtag);
    m_with.loginForm->PasswordEdit->setText(password);
    m_with.loginForm->showModeless();
}

void Session::status(FieldReader reader)
{
    m_statusText = NextUtf8Field(reader);
    m_statusLabel->setText(m_statusText);
    m_with.statusBar->clearMessage();
    m_with.chat->AddChatLine(m_statusText);
}

void Session::connectedMessenger()
{
    m_with.navigation->selectRootNode();
    m_with.navigation->clearSubVectors();
    m_with.users->ClearUserRows(UserListModel::VectorPart);
    m_with.link->SendCommand(Command::ChatMode(QString::fromLatin1(Command::kGeneralChatRoom)));
}
