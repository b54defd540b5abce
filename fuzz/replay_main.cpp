// Runs a fuzz target's entry over files, without libFuzzer: so that every input that ever made
// a target fail stays a test of the ordinary build.
// Usage: replay FILE_OR_FOLDER...

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) __attribute__((weak));
// A target may check what the replayed inputs reached; nonzero fails the replay.
extern "C" int ReplayFinished() __attribute__((weak));

int main(int argc, char *argv[])
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        QStringList files;
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(path).isDir()) {
            QDirIterator entries(path, QDir::Files, QDirIterator::Subdirectories);
            while (entries.hasNext())
                files.append(entries.next());
        } else {
            files.append(path);
        }
        files.sort();
        for (const QString &name : files) {
            QFile file(name);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray input = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()),
                                   size_t(input.size()));
            ++replayed;
        }
    }
    std::printf("%d replayed\n", replayed);
    return ReplayFinished ? ReplayFinished() : 0;
}
