// Runs a fuzz target over its corpus without libFuzzer: every file given, or
// every file in every folder given. An input that crashes, leaks or trips a
// sanitizer fails the run, as it would fail the fuzzer.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            const QDir dir(arg);
            for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
                inputs << dir.filePath(name);
        } else {
            inputs << arg;
        }
    }
    for (const QString &path : inputs) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        fprintf(stderr, "%s\n", qPrintable(path));
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
    printf("replayed %lld inputs\n", static_cast<long long>(inputs.size()));
    // An empty corpus would pass without testing anything.
    return inputs.isEmpty() ? 1 : 0;
}
