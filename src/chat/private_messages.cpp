#include "private_messages.h"

#include "action_table.h"
#include "chat_images.h"
#include "commands.h"
#include "dialog_parts.h"
#include "link_interfaces.h"
#include "log_file.h"
#include "memo_lines.h"
#include "message_dispatcher.h"
#include "notification_sounds.h"
#include "wire_text.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace {
const QString kPmTag = QStringLiteral(" (PM): ");
const QString kArenaPmTag = QStringLiteral(" (APM): ");
} // namespace

QByteArray HtmlUnicodeBody(const QString &text)
{
    QByteArray body;
    for (const QChar unit : text)
        body += "&#" + QByteArray::number(unit.unicode());
    return body;
}

void AppendOwnLine(QPlainTextEdit *pane, const QString &line)
{
    QTextDocument *document = pane->document();
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    const bool lineOpen = !document->isEmpty() && !document->lastBlock().text().isEmpty();
    cursor.insertText(lineOpen ? u'\n' + line : line + u'\n');
    ScrollToCaret(pane);
}

TPrivateMessageForm::TPrivateMessageForm(const QString &peer, const QPixmap &picture,
                                         const ErrorGuard &guard, QWidget *owner)
    : SecondaryWindow({.name = "PrivateMessageForm",
                       .caption = QStringLiteral("PrivateMessage"),
                       .picture = picture},
                      guard, owner)
    , m_peer(peer)
{
    resize(317, 187);
    QTagLabel = new QLabel(peer, this);
    QTagLabel->setObjectName(QStringLiteral("QTagLabel"));
    ShowsEngineText(QTagLabel);
    QFont bold = QTagLabel->font();
    bold.setBold(true);
    QTagLabel->setFont(bold);
    MessageMemo = new QPlainTextEdit(this);
    MessageMemo->setObjectName(QStringLiteral("MessageMemo"));
    MessageMemo->setAccessibleName(QStringLiteral("Conversation"));
    MessageMemo->setReadOnly(true);
    MessageMemo->setFrameShape(QFrame::NoFrame);
    MessageMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MessageMemo->document()->setUndoRedoEnabled(false);
    InputEdit = new QLineEdit(this);
    InputEdit->setObjectName(QStringLiteral("InputEdit"));
    InputEdit->setAccessibleName(QStringLiteral("Message"));
    BitBtn1 = new QPushButton(QStringLiteral("Close"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    SendPMBitBtn = new QPushButton(QStringLiteral("Send PM"), this);
    SendPMBitBtn->setObjectName(QStringLiteral("SendPMBitBtn"));
    SendPMBitBtn->setDefault(true);
    SendPMBitBtn->setEnabled(false);
    ConvertHTMLUnicodeCheckBox = new QCheckBox(QStringLiteral("HTMLUnicode(?)で送信"), this);
    ConvertHTMLUnicodeCheckBox->setObjectName(QStringLiteral("ConvertHTMLUnicodeCheckBox"));
    connect(InputEdit, &QLineEdit::textChanged, SendPMBitBtn,
            [this](const QString &text) { SendPMBitBtn->setEnabled(!text.isEmpty()); });

    body()->addWidget(QTagLabel);
    body()->addWidget(MessageMemo, 1);
    body()->addWidget(InputEdit);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ConvertHTMLUnicodeCheckBox);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(SendPMBitBtn);
    body()->addLayout(buttons);
}

PrivateMessages::PrivateMessages(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
{}

void PrivateMessages::registerHandlers(MessageDispatcher &dispatcher)
{
    dispatcher.registerHandler(MessageKind::Pm, [this](FieldReader r) { received(r, kPmTag); });
    dispatcher.registerHandler(MessageKind::ArenaPm,
                               [this](FieldReader r) { received(r, kArenaPmTag); });
}

void PrivateMessages::bindActions(ActionTable &actions)
{
    actions.setHandler(ActionId::ShowPrivateMessageWindow, [this] {
        if (const std::optional<QString> qtag = m_with.users->selectedUserQTag())
            openWindow(*qtag);
    });
}

TPrivateMessageForm *PrivateMessages::FindPrivateMessageWindow(const QString &qtag) const
{
    return m_byPeer.value(qtag);
}

TPrivateMessageForm *PrivateMessages::openWindow(const QString &qtag)
{
    TPrivateMessageForm *window = FindPrivateMessageWindow(qtag);
    if (!window) {
        QWidget *owner = m_with.owner;
        // One picture for all the conversations: a flood from hundreds of peers draws it once.
        if (m_picture.isNull())
            m_picture = ConversationPicture(owner->devicePixelRatioF());
        window = new TPrivateMessageForm(qtag, m_picture, *m_with.guard, owner);
        m_windows.append(window);
        m_byPeer.insert(qtag, window);
        connect(window->BitBtn1, &QPushButton::clicked, this,
                m_with.guard->slot([this, window] { close(window); }));
        connect(window->SendPMBitBtn, &QPushButton::clicked, this,
                m_with.guard->slot([this, window] { sendInput(window); }));
        connect(window->InputEdit, &QLineEdit::returnPressed, this,
                m_with.guard->slot([this, window] { sendInput(window); }));
    }
    window->showAndRaise();
    // A window manager may keep a window of an inactive program behind: then it asks for
    // attention, so a message never arrives unseen.
    QApplication::alert(window);
    return window;
}

void PrivateMessages::received(FieldReader reader, const QString &tag)
{
    const QString sender = NextAnsiField(reader);
    const QString text = NextUtf8Field(reader);
    TPrivateMessageForm *window = openWindow(sender);
    AppendMemoLine(window->MessageMemo, sender + QStringLiteral(": ") + text);
    // Private messages are logged whatever the save switch says.
    m_with.logFile->AppendLogLine(sender + tag + text);
    if (m_with.chatSound->isChecked())
        m_with.sounds->PlayNotificationSound(SoundAlias::kSystemQuestion);
}

void PrivateMessages::sendInput(TPrivateMessageForm *window)
{
    const QString input = window->InputEdit->text();
    if (input.isEmpty())
        return;
    const QString peer = window->PeerQTag();
    // The "&#" form is plain ASCII, so it goes out as it stands through the UTF-8 field.
    const QString body = window->ConvertHTMLUnicodeCheckBox->isChecked()
                             ? QString::fromLatin1(HtmlUnicodeBody(input))
                             : input;
    QString label;
    if (m_with.arena->IsInCurrentVector(peer)) {
        label = QStringLiteral("APM");
        m_with.sender->SendCommand(Command::ArenaPm(peer, body));
    } else if (m_with.contacts->IsContactOnline(peer)) {
        label = QStringLiteral("PM");
        m_with.sender->SendCommand(Command::Pm(peer, body));
    } else {
        label = QStringLiteral("Can'tSend");
    }
    const QString own = m_with.arena->OwnQTag();
    AppendOwnLine(window->MessageMemo, label == u"Can'tSend"
                                           ? own + QStringLiteral(" (Can'tSend): ") + input
                                           : own + QStringLiteral(": ") + input);
    // A failure here is reported, and the input keeps its text for another try.
    m_with.logFile->AppendLogLine(own + QStringLiteral(" (") + label + QStringLiteral(" To ") +
                                  peer + QStringLiteral("):") + input);
    window->InputEdit->clear();
}

void PrivateMessages::close(TPrivateMessageForm *window)
{
    window->hide();
    if (!window->MessageMemo->document()->isEmpty())
        return;
    // An empty conversation is forgotten, after the click that closed it is handled.
    m_windows.removeOne(window);
    m_byPeer.remove(window->PeerQTag());
    window->deleteLater();
}
