#pragma once

#include <QString>

// Undoes the %XX escapes of a user arena's description (upper-case hex digits only) and reads
// the bytes as UTF-8; text without any escape comes back unchanged, invalid UTF-8 as empty text.
QString DecodePercentText(const QString &text);
