#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

// A cursor over one received datagram. Copying it is cheap (the bytes are shared), so each
// handler gets its own copy positioned just after the message name.
struct FieldReader {
    QByteArray datagram;
    qint32 position = 0;
};

// Thrown by a handler that meets a field it cannot use; it ends the handling of that datagram.
class MalformedField : public std::runtime_error {
public:
    explicit MalformedField(const char *what)
        : std::runtime_error(what)
    {}
};

// The next ';'-terminated field with the separator escape undone. Past the end it is empty.
QByteArray NextField(FieldReader &reader);

// ';' and the byte 0x02 trade places; applying it twice gives the text back.
QByteArray SwapFieldSeparator(QByteArray text);
QString SwapFieldSeparator(QString text);
