#pragma once

#include "subsystem.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class ErrorGuard;
class QAction;
class QMenu;
class VectorEntry;

// The lines of a bookmarks file that are entries, in file order: every line but the comments
// ("#" first), separators ("-") and empty lines included. Read as UTF-8, or as the wire's code
// page where the file is not valid UTF-8. At most kMaxBookmarkEntries entries from the first
// kMaxBookmarkFileBytes bytes: a huge or binary file is cut, not waited for.
inline constexpr int kMaxBookmarkEntries = 1000;
inline constexpr qint64 kMaxBookmarkFileBytes = 1024 * 1024;
QStringList ParseBookmarkEntries(const QByteArray &contents);
// The entries of the file, read up to the caps; a file that cannot be opened has none, and a
// read that fails on the way keeps the entries before it.
QStringList ReadBookmarkEntries(const QString &path);

// A bookmark entry's two halves, split at its first TAB; without one both are the whole entry.
QString BookmarkCaption(const QString &entry);
QString BookmarkPath(const QString &entry);

// The "&Bookmark" menu: entries of the user's bookmarks file that take the user to an arena.
class Bookmarks : public QObject, public Subsystem {
    Q_OBJECT

public:
    struct Collaborators {
        QMenu *bookmarkMenu = nullptr; // begins with its two fixed items
        VectorEntry *vectors = nullptr;
        // Where Bookmarks.txt is looked for, in order.
        QStringList folders;
        const ErrorGuard *guard = nullptr;
    };

    explicit Bookmarks(const Collaborators &with, QObject *parent = nullptr);
    ~Bookmarks() override;

    void bindActions(ActionTable &actions) override;

    // Rebuilds the menu from the file, from scratch.
    void RefreshBookmarks();
    void BookmarkActionExecute(int entry);
    // The file that is read: the first of the folders that has one.
    QString bookmarksFile() const;

    const QStringList &BookmarkEntries() const { return m_entries; }
    const std::vector<std::unique_ptr<QAction>> &BookmarkActions() const { return m_actions; }

private:
    Collaborators m_with;
    QStringList m_entries;
    std::vector<std::unique_ptr<QAction>> m_actions;
};
