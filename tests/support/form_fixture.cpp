#include "form_fixture.h"

#include "chat_log.h"
#include "log_file.h"

#include <QAction>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

FormFixture::FormFixture(std::optional<EngineAddress> engine)
{
    TTovrelUIForm::Services services;
    services.engine = engine.value_or(EngineAddress{m_engine.address(), m_engine.port()});
    services.clock = &clock;
    services.sounds = &sounds;
    services.takeOverPrompt = &prompts;
    services.errorReporter = &prompts;
    services.pages = &pages;
    services.appDataFolder = m_dataFolder.path();
    services.bookmarkFolders = {m_dataFolder.path()};
    m_form = std::make_unique<TTovrelUIForm>(services);
}

FormFixture::~FormFixture() = default;

void FormFixture::receive(const QByteArray &datagram)
{
    m_form->link().dispatcher().IdUDPServer1UDPRead(datagram);
}

QByteArrayList FormFixture::sent()
{
    DrainEventLoop();
    // Loopback delivers at once; the short wait only catches what a receive set going.
    const QByteArrayList datagrams = m_engine.settle(std::chrono::milliseconds(20));
    m_engine.clear();
    return datagrams;
}

void FormFixture::logIn(const QString &ownQTag)
{
    receive("ZOL_CLIENT_ATTACH;");
    receive("ZOL_CLIENT_USER_DATA;" + ownQTag.toUtf8() + ";");
    sent();
    sounds.played.clear();
}

QAction *FormFixture::action(ActionId id)
{
    return m_form->actions().action(id);
}

void FormFixture::trigger(ActionId id)
{
    m_form->actions().execute(id);
}

QString FormFixture::chatText()
{
    m_form->rooms().chatLog().showPendingLines();
    return find<QPlainTextEdit>("ChatLogMemo")->toPlainText();
}

QString FormFixture::logFileText(const QDate &date)
{
    QFile file(LogFile(dataFolder(), clock).pathFor(date));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
