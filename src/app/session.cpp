#include "session.h"

#include "action_table.h"
#include "chat_line_sink.h"
#include "commands.h"
#include "dialog_parts.h"
#include "enabling_rules.h"
#include "engine_link.h"
#include "image_lists.h"
#include "line_breaks.h"
#include "login_form.h"
#include "message_dispatcher.h"
#include "wire_text.h"

#include <QLabel>
#include <QStatusBar>

Session::Session(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
    , m_statusLabel(new QLabel(with.statusBar))
{
    m_statusLabel->setObjectName(QStringLiteral("StatusText"));
    ShowsEngineText(m_statusLabel);
    m_with.statusBar->addWidget(m_statusLabel, 1);

    EngineLink *link = m_with.link;
    // Attached or detached, the panes stay greyed until a login.
    connect(link, &EngineLink::attached, this, [this] { SetSessionActive(false); });
    connect(link, &EngineLink::detached, this, [this] { SetSessionActive(false); });
    connect(link, &EngineLink::engineInUse, this, &Session::askTakeOver);
}

QList<StartWindowFactory> Session::windowsAtStart()
{
    return {{StartWindow::Login, [this](QWidget *mainWindow) {
                 m_loginForm =
                     new TLoginForm(*m_with.link, LoginPicture(mainWindow->devicePixelRatioF()),
                                    *m_with.guard, mainWindow);
                 return m_loginForm;
             }}};
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

void Session::bindActions(ActionTable &actions)
{
    actions.setHandler(ActionId::Login, [this] { LoginActionExecute(); });
    actions.setHandler(ActionId::QuorlZolIcon, [this] { QuorlZolIconActionExecute(); });
    actions.setHandler(ActionId::Status, [this] { StatusActionExecute(); });
}

void Session::describe(SessionSnapshot &state) const
{
    state.loggedIn = m_sessionActive;
}

QString Session::statusBarText() const
{
    const QString hint = m_with.statusBar->currentMessage();
    return hint.isEmpty() ? m_statusLabel->text() : hint;
}

void Session::SetSessionActive(bool active)
{
    m_sessionActive = active;
    Q_EMIT activeChanged(active);
    m_with.link->UpdateEngineIcon();
}

void Session::askTakeOver()
{
    // Two may be open at once; a flood of these must not open a box for each.
    if (m_openQuestions >= 2)
        return;
    ++m_openQuestions;
    m_with.takeOverPrompt->askTakeOver([this](bool takeOver) {
        --m_openQuestions;
        if (takeOver)
            m_with.link->TakeOver();
    });
}

void Session::LoginActionExecute()
{
    m_loginForm->showAndRaise();
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
    m_loginForm->showCredentials(qtag, password);
}

void Session::status(FieldReader reader)
{
    m_statusText = NextUtf8Field(reader);
    // The status bar is one line high, whatever the engine's text holds.
    m_statusLabel->setText(OnOneLine(m_statusText));
    m_with.statusBar->clearMessage();
    m_with.chat->AddChatLine(m_statusText);
}

void Session::connectedMessenger()
{
    m_with.vectors->ReturnToTopLevel();
    m_with.link->SendCommand(Command::ChatMode(Command::kGeneralChatRoom));
}
