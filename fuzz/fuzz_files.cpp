// What comes from outside as a file or a download: a bookmarks file, and an avatar response
// (its Content-Type up to the first line break, then the body).

#include "bookmarks.h"
#include "profiles.h"

#include <QGuiApplication>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The image plugins need it; kept to the end of the process, not torn down at exit.
    static auto *application = new QGuiApplication(*argc, *argv);
    Q_UNUSED(application);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList entries = ParseBookmarkEntries(input);
    for (const QString &entry : entries) {
        BookmarkCaption(entry);
        BookmarkPath(entry);
    }
    const qsizetype lineEnd = input.indexOf('\n');
    const QByteArray contentType = lineEnd < 0 ? input : input.left(lineEnd);
    if (IsAvatarResponse(contentType))
        DecodeAvatar(input.mid(lineEnd + 1));
    return 0;
}
