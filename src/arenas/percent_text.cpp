#include "percent_text.h"

#include "wire_text.h"

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

QString DecodePercentText(const QString &text)
{
    if (!text.contains(u'%'))
        return text;
    const QByteArray bytes = text.toUtf8();
    QByteArray decoded;
    decoded.reserve(bytes.size());
    bool anyEscape = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '%' && i + 2 < bytes.size()) {
            const int high = hexValue(bytes[i + 1]);
            const int low = hexValue(bytes[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded += char(high * 16 + low);
                anyEscape = true;
                i += 2;
                continue;
            }
        }
        decoded += bytes[i];
    }
    return anyEscape ? DecodeUtf8(decoded) : text;
}
