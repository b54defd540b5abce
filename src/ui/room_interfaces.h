#pragma once

#include <QString>

#include <functional>
#include <optional>

// The narrow interfaces by which one subsystem reaches another. The composition root hands each
// subsystem the ones it needs; nobody reaches into another subsystem's widgets or rows.

// Whether a user is logged in through the engine; owned by the session.
class SessionControl {
public:
    virtual ~SessionControl() = default;
    virtual bool SessionActive() const = 0;
    virtual void SetSessionActive(bool active) = 0;
};

// Moving the user through the arena hierarchy; owned by the vector navigation.
class VectorEntry {
public:
    virtual ~VectorEntry() = default;
    // The path of the vector the user is in; empty at the top level.
    virtual QString currentVectorPath() const = 0;
    // Adds the path's nodes to the tree and asks the engine to enter it.
    virtual void EnterVector(const QString &path) = 0;
    // Back at the top level, as when the engine reports the messenger connection: the root node
    // is chosen, the sub-vector list and the arena part of the user list are emptied.
    virtual void ReturnToTopLevel() = 0;
};

// The row the user chose in the arena's user list; owned by the arena users.
class ArenaUserSelection {
public:
    virtual ~ArenaUserSelection() = default;
    virtual std::optional<QString> selectedUserQTag() const = 0;
};

// The row the user chose in the sub-vector list; owned by the vector navigation.
class SubVectorSelection {
public:
    virtual ~SubVectorSelection() = default;
    virtual std::optional<QString> selectedSubVectorCaption() const = 0;
};

// Opens a user's profile; owned by the profiles.
class ProfileOpener {
public:
    virtual ~ProfileOpener() = default;
    virtual void OpenProfile(const QString &qtag, bool lookInCache) = 0;
};

// Who of the user's contacts is online; owned by the contact list.
class ContactDirectory {
public:
    virtual ~ContactDirectory() = default;
    virtual bool IsContactOnline(const QString &qtag) const = 0;
};

// Asks the user a question with Yes and No. Never blocks: the answer comes later.
class YesNoPrompt {
public:
    virtual ~YesNoPrompt() = default;
    virtual void askYesNo(const QString &question, std::function<void(bool yes)> answer) = 0;
};

// Who is in the current arena and who the user is; owned by the arena users.
class ArenaPresence {
public:
    virtual ~ArenaPresence() = default;
    virtual bool IsInCurrentVector(const QString &qtag) const = 0;
    virtual QString OwnQTag() const = 0;
};
