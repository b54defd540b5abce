#pragma once

#include <QByteArray>
#include <QString>

struct FieldReader;

// Text crosses the wire in two encodings: the engine's ANSI fields are code page 932, a few
// free-text fields are UTF-8. Inside the program all text is QString.

// Reversible for any bytes: a byte that is no character of the code page is kept as an escape
// that EncodeAnsi turns back into the same byte.
QString DecodeAnsi(const QByteArray &bytes);
// A character code page 932 lacks goes out as '?'.
QByteArray EncodeAnsi(const QString &text);
// The text with letter case folded, for comparing QTags with case ignored. The bytes DecodeAnsi
// kept as they came stay themselves (Qt would fold them all into one replacement character).
QString CaseFoldedAnsi(const QString &text);

// Invalid UTF-8 reads as empty text rather than as a half-decoded guess.
QString DecodeUtf8(const QByteArray &bytes);
QByteArray EncodeUtf8(const QString &text);

QString NextAnsiField(FieldReader &reader);
QString NextUtf8Field(FieldReader &reader);
