#include "bookmarks.h"

#include "action_table.h"
#include "error_guard.h"
#include "room_interfaces.h"
#include "wire_text.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QStringDecoder>

namespace {

const QString kFileName = QStringLiteral("Bookmarks.txt");
const QString kSeparator = QStringLiteral("-");
constexpr int kFixedItems = 2; // the refresh action and a separator

QString decode(const QByteArray &contents)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(contents);
    return utf8.hasError() ? DecodeAnsi(contents) : text;
}

} // namespace

QStringList ParseBookmarkEntries(const QByteArray &contents)
{
    const QString text =
        decode(contents.first(std::min<qsizetype>(contents.size(), kMaxBookmarkFileBytes)));
    QStringList entries;
    qsizetype start = 0;
    while (start < text.size() && entries.size() < kMaxBookmarkEntries) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QString line = text.mid(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (!line.startsWith(u'#'))
            entries.append(line);
        start = end + 1;
    }
    return entries;
}

QStringList ReadBookmarkEntries(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray contents;
    char chunk[64 * 1024];
    while (contents.size() < kMaxBookmarkFileBytes) {
        const qint64 read = file.read(chunk, sizeof chunk);
        if (read <= 0) // the end, or a failure on the way: what was read so far stands
            break;
        contents.append(chunk, qsizetype(read));
    }
    return ParseBookmarkEntries(contents);
}

QString BookmarkCaption(const QString &entry)
{
    const qsizetype tab = entry.indexOf(u'\t');
    return tab < 0 ? entry : entry.left(tab);
}

QString BookmarkPath(const QString &entry)
{
    const qsizetype tab = entry.indexOf(u'\t');
    return tab < 0 ? entry : entry.mid(tab + 1);
}

Bookmarks::Bookmarks(const Collaborators &with, QObject *parent)
    : QObject(parent)
    , m_with(with)
{}

Bookmarks::~Bookmarks() = default;

void Bookmarks::bindActions(ActionTable &actions)
{
    actions.setHandler(ActionId::RefreshBookmarks, [this] { RefreshBookmarks(); });
}

QString Bookmarks::bookmarksFile() const
{
    for (const QString &folder : m_with.folders) {
        const QString path = folder + u'/' + kFileName;
        if (!folder.isEmpty() && QFile::exists(path))
            return path;
    }
    return {};
}

void Bookmarks::RefreshBookmarks()
{
    QMenu *menu = m_with.bookmarkMenu;
    const QList<QAction *> items = menu->actions();
    for (qsizetype i = items.size() - 1; i >= kFixedItems; --i) {
        menu->removeAction(items[i]);
        if (items[i]->isSeparator() && items[i]->parent() == menu)
            delete items[i];
    }
    m_actions.clear();
    m_entries.clear();

    const QString path = bookmarksFile();
    if (!path.isEmpty())
        m_entries = ReadBookmarkEntries(path);
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i] == kSeparator) {
            menu->addSeparator();
            continue;
        }
        auto action = std::make_unique<QAction>(BookmarkCaption(m_entries[i]));
        action->setObjectName(QStringLiteral("BookmarkAction%1").arg(i));
        connect(action.get(), &QAction::triggered, this,
                m_with.guard->slot([this, i] { BookmarkActionExecute(i); }));
        menu->addAction(action.get());
        m_actions.push_back(std::move(action));
    }
}

void Bookmarks::BookmarkActionExecute(int entry)
{
    // The enter and exit sounds stay as they are on this road.
    m_with.vectors->EnterVector(BookmarkPath(m_entries.value(entry)));
}
