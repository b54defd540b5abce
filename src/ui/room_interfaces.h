#pragma once

#include <QString>

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
