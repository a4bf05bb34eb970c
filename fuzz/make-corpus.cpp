// Writes the hand-made seeds of the fuzz corpora: small good word bases and
// every malformed one of the tests, as whole files for fuzz_wordbase and as
// plain payloads for fuzz_payload. Given word base files (the bundled one),
// adds them and their payloads too.
//
//   brivela-fuzz-corpus CORPUS_DIR [WORDBASE.dat...]
#include "badwordbases.h"
#include "dict/loaderror.h"
#include "payloadbuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

using namespace testbase;

namespace {

bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QList<QPair<QString, QByteArray>> goodFiles()
{
    QList<QPair<QString, QByteArray>> out;
    out.append({"good-small.dat", Payload().file()});
    out.append({"good-every-field.dat", container::sealPayload(FieldPayload().bytes())});
    Payload empty;
    empty.dictionary = section({}, {});
    empty.smileys.clear();
    empty.anecdotes.clear();
    empty.banners.clear();
    empty.refused.clear();
    out.append({"good-empty-sections.dat", empty.file()});
    Payload rich;
    rich.dictionary = section({QByteArray("\x02"
                                          "ab ~\x05\0\0\0x\0y~\t\0",
                                          15),
                               QByteArray("\0\0", 2), QByteArray("\x01\t|a  b~\xff\xff\xff\xff~\nc\r|@\0", 18)},
                              {{0, "\xD5|\xE0\xEA"}, {0, "q"}, {2, "||"}, {2, ""}, {1, "\xA8\xEB"}});
    rich.banners = {Banner {tinyGif(), "h0", "l0"}, Banner {tinyGif(), "", ""}};
    out.append({"good-rich.dat", rich.file()});
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        fprintf(stderr, "Usage: brivela-fuzz-corpus CORPUS_DIR [WORDBASE.dat...]\n");
        return 2;
    }
    const QDir corpus(args.at(0));
    if (!corpus.mkpath(QStringLiteral("wordbase")) || !corpus.mkpath(QStringLiteral("payload")))
        return 1;

    QList<QPair<QString, QByteArray>> files = goodFiles();
    for (const BadWordBase &bad : badWordBases())
        files.append({bad.name, bad.file});
    for (const QString &path : args.mid(1)) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        files.append({QStringLiteral("bundled-") + QFileInfo(path).fileName(), f.readAll()});
    }

    int written = 0;
    for (const auto &[name, file] : files) {
        bool ok = write(corpus.filePath(QStringLiteral("wordbase/") + name), file);
        try {
            const QString base = QFileInfo(name).completeBaseName();
            ok = ok && write(corpus.filePath(QStringLiteral("payload/") + base + ".bin"), container::openPayload(file));
        } catch (const LoadError &) {
            // a file whose MAC is broken has no payload to give
        }
        if (!ok)
            return 1;
        ++written;
    }
    printf("wrote %d seeds\n", written);
    return 0;
}
