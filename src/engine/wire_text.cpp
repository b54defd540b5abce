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

namespace {

// A byte that is no character of code page 932 travels inside the program as a lone low
// surrogate, U+DC00 plus the byte, which the encoder turns back into that byte. So a QTag or a
// path goes back to the engine exactly as it came, and two that differ in any byte stay two.
constexpr char16_t kEscapedByteBase = 0xDC00;

// The bytes kept as escapes: those no character of the code page stands for, and the NUL byte,
// which the encoder leaves out where the user typed it.
bool isEscapedByte(QStringView text, qsizetype i)
{
    const char16_t code = text[i].unicode();
    const bool escape = code == kEscapedByteBase ||
                        (code >= kEscapedByteBase + 0x80 && code <= kEscapedByteBase + 0xFF);
    return escape && (i == 0 || !text[i - 1].isHighSurrogate());
}

bool isLeadByte(uchar byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

QByteArray encodeRun(QStringView run)
{
    QStringEncoder encoder(kCodePage932, QStringConverter::Flag::ConvertInvalidToNull |
                                             QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(run);
    bytes.replace('\0', "?");
    return bytes;
}

QString decodeRun(QByteArrayView run)
{
    QStringDecoder decoder(kCodePage932, QStringConverter::Flag::Stateless);
    return decoder.decode(run);
}

// Byte by byte: a pair is taken as a character only where that character encodes back to the
// same pair (so duplicates of the code page's extension rows are kept as bytes too).
QString decodeCarefully(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        if (byte == 0) {
            text += QChar(kEscapedByteBase);
        } else if (byte < 0x80) {
            text += QChar(byte);
        } else if (byte >= 0xA1 && byte <= 0xDF) { // half-width katakana
            text += QChar(char16_t(0xFF61 + (byte - 0xA1)));
        } else if (isLeadByte(byte) && i + 1 < bytes.size()) {
            const QByteArrayView pair = bytes.sliced(i, 2);
            const QString character = decodeRun(pair);
            if (character.size() == 1 && character[0] != QChar(0x1A) &&
                character[0] != QChar::ReplacementCharacter && encodeRun(character) == pair) {
                text += character;
                ++i;
            } else {
                text += QChar(char16_t(kEscapedByteBase + byte));
            }
        } else {
            text += QChar(char16_t(kEscapedByteBase + byte));
        }
    }
    return text;
}

} // namespace

QString DecodeAnsi(const QByteArray &bytes)
{
    const bool hasNul = bytes.contains('\0');
    if (isAscii(bytes) && !hasNul)
        return QString::fromLatin1(bytes);
    // The common case in one call; where the result would not give the same bytes back, the
    // careful way. The three swapped control codes always take the careful way.
    const bool hasSwappedControl = std::any_of(bytes.cbegin(), bytes.cend(),
                                               [](char c) { return isSwappedControl(uchar(c)); });
    if (!hasSwappedControl && !hasNul) {
        const QString text = decodeRun(bytes);
        if (!text.contains(QChar(0x1A)) && !text.contains(QChar::ReplacementCharacter) &&
            encodeRun(text) == bytes)
            return text;
    }
    return decodeCarefully(bytes);
}

QByteArray EncodeAnsi(const QString &text)
{
    if (isAscii(text)) {
        QByteArray bytes = text.toLatin1();
        bytes.replace('\0', QByteArray());
        return bytes;
    }
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        if (end > runStart)
            bytes += encodeRun(QStringView(text).sliced(runStart, end - runStart));
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t code = text.at(i).unicode();
        const bool escaped = isEscapedByte(text, i);
        if (code == 0 || isSwappedControl(code) || escaped) {
            flushRun(i);
            if (escaped)
                bytes += char(code - kEscapedByteBase);
            else if (code != 0)
                bytes += char(code);
            runStart = i + 1;
        }
    }
    flushRun(text.size());
    return bytes;
}

QString CaseFoldedAnsi(const QString &text)
{
    const auto escaped = [&](qsizetype i) { return isEscapedByte(text, i); };
    qsizetype i = 0;
    while (i < text.size() && !escaped(i))
        ++i;
    if (i == text.size())
        return text.toCaseFolded();
    QString folded;
    folded.reserve(text.size());
    qsizetype runStart = 0;
    for (i = 0; i < text.size(); ++i) {
        if (!escaped(i))
            continue;
        folded += QStringView(text).sliced(runStart, i - runStart).toString().toCaseFolded();
        folded += text.at(i);
        runStart = i + 1;
    }
    folded += QStringView(text).sliced(runStart).toString().toCaseFolded();
    return folded;
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
