#include "wire_text.h"

#include "field_reader.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace {

constexpr char kCodePage932[] = "windows-31j";

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
}

bool isAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
}

// ICU's code page 932 table swaps the control codes 0x1A, 0x1C and 0x7F with each other (an
// IBM convention) and uses U+001A for undecodable bytes. Windows keeps them as they are, so these
// three go around ICU; none of them can be part of a double-byte character.
bool isSwappedControl(uint code)
{
    return code == 0x1A || code == 0x1C || code == 0x7F;
}

} // namespace

QString DecodeAnsi(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder(kCodePage932, QStringConverter::Flag::Stateless);
    QString text;
    text.reserve(bytes.size());
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        if (end > runStart) {
            QString run = decoder.decode(QByteArrayView(bytes).sliced(runStart, end - runStart));
            run.replace(QChar(0x1A), QChar::ReplacementCharacter);
            text += run;
        }
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes.at(i));
        if (isSwappedControl(byte)) {
            flushRun(i);
            text += QChar(byte);
            runStart = i + 1;
        }
    }
    flushRun(bytes.size());
    return text;
}

QByteArray EncodeAnsi(const QString &text)
{
    if (isAscii(text)) {
        QByteArray bytes = text.toLatin1();
        bytes.replace('\0', QByteArray());
        return bytes;
    }
    QStringEncoder encoder(kCodePage932, QStringConverter::Flag::ConvertInvalidToNull |
                                             QStringConverter::Flag::Stateless);
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        if (end > runStart) {
            QByteArray run = encoder.encode(QStringView(text).sliced(runStart, end - runStart));
            run.replace('\0', "?");
            bytes += run;
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t code = text.at(i).unicode();
        if (code == 0 || isSwappedControl(code)) {
            flushRun(i);
            if (code != 0)
                bytes += char(code);
            runStart = i + 1;
        }
    }
    flushRun(text.size());
    return bytes;
}

QString DecodeUtf8(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                       QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return {};
    return text;
}

QByteArray EncodeUtf8(const QString &text)
{
    return text.toUtf8();
}

QString NextAnsiField(FieldReader &reader)
{
    return DecodeAnsi(NextField(reader));
}

QString NextUtf8Field(FieldReader &reader)
{
    return DecodeUtf8(NextField(reader));
}
