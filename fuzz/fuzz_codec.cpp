// The wire's text alone: the field reader, the classifier and the code page conversion. What
// decodes must encode back to the same bytes; the field escape is its own inverse.

#include "field_reader.h"
#include "message_kind.h"
#include "wire_text.h"

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datagram(reinterpret_cast<const char *>(data), qsizetype(size));
    FieldReader reader{datagram, 0};
    ClassifyMessage(NextField(reader));
    for (int field = 0; field < 64 && reader.position <= datagram.size(); ++field) {
        const QByteArray bytes = NextField(reader);
        require(SwapFieldSeparator(SwapFieldSeparator(bytes)) == bytes);
        // Any bytes decode, and go back exactly as they came.
        const QString text = DecodeAnsi(bytes);
        require(EncodeAnsi(text) == bytes);
        CaseFoldedAnsi(text);
        DecodeUtf8(bytes);
    }
    return 0;
}
