#pragma once

#include <QByteArray>
#include <QString>

// A message from the engine to a front-end: the name, then each field followed by ';'. Every
// field has the separator escape applied, as the engine does for all it sends.
class Message {
public:
    explicit Message(const char *name);

    Message &ansi(const QString &field);
    Message &utf8(const QString &field);
    Message &number(qint64 field);

    QByteArray bytes() const { return m_bytes; }

private:
    Message &raw(const QByteArray &field);

    QByteArray m_bytes;
};
