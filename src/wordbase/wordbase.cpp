#include "wordbase/wordbase.h"

#include "dict/bytereader.h"
#include "wordbase/container.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

namespace {

void report(const LoadProgress &progress, const char *text)
{
    if (progress)
        progress(QString::fromUtf8(text));
}

QString cannotOpen(const QString &path) { return QStringLiteral("Cannot open file %1").arg(path); }
QString tooLarge() { return QStringLiteral("Файл brivela.dat слишком велик"); }

} // namespace

QByteArray readWordBaseFile(const QString &path, const LoadProgress &progress)
{
    report(progress, "Opening file brivela.dat...");
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw LoadError(cannotOpen(path));

    report(progress, "Reading file brivela.dat...");
    if (file.size() > MaxWordBaseSize)
        throw LoadError(tooLarge());
    // A device (a pipe, /dev/zero) has no size: read no more than the limit from it.
    QByteArray bytes = file.isSequential() ? file.read(MaxWordBaseSize + 1) : file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw LoadError(cannotOpen(path));
    if (bytes.size() > MaxWordBaseSize)
        throw LoadError(tooLarge());
    return bytes;
}

void readWordBase(const QString &path, WordBaseFields &fields, const LoadProgress &progress)
{
    readWordBaseBytes(readWordBaseFile(path, progress), fields, progress);
}

void readWordBaseBytes(QByteArray file, WordBaseFields &fields, const LoadProgress &progress)
{
    report(progress, "Checking file brivela.dat...");
    const QByteArray payload = container::openPayload(file);
    file = QByteArray(); // the payload is held once while it is parsed

    report(progress, "Processing file brivela.dat...");
    readPayload(payload, fields, progress);
}

void readPayload(const QByteArray &payload, WordBaseFields &fields, const LoadProgress &progress)
{
    ByteReader stream(payload);

    report(progress, "Checking version of brivela.dat...");
    const int32_t version = stream.readInt32();
    if (version > 1)
        throw LoadError(QStringLiteral("Исполняемый файл устарел. Необходимо скачать новую версию программы."));
    if (version < 1)
        throw LoadError(QStringLiteral("База слов brivela.dat устарела. Необходимо скачать новую версию."));
    fields.FEdition = stream.readInt32();

    report(progress, "Loading words...");
    fields.FDictionary.LoadFromStream(stream);

    report(progress, "Loading smileys...");
    fields.FSmileys.setText(stream.readCountedText());
    report(progress, "Loading acronyms...");
    fields.FAcronyms.setText(stream.readCountedText());
    report(progress, "Loading users...");
    fields.FUsers.setText(stream.readCountedText());
    report(progress, "Loading extensions...");
    fields.FExtensions.setText(stream.readCountedText());

    report(progress, "Loading anecdotes...");
    const int32_t anecdotes = stream.readCount(4);
    fields.FAnecdoteCount = anecdotes;
    fields.FAnecdotes.clear();
    fields.FAnecdotes.reserve(size_t(anecdotes));
    for (int32_t i = 0; i < anecdotes; ++i)
        fields.FAnecdotes.push_back(stream.readCountedText());

    report(progress, "Loading banners...");
    const int32_t banners = stream.readCount(12);
    fields.FBannerCount = banners;
    fields.FBanners.clear();
    fields.FBanners.resize(size_t(banners));
    for (TBanner &banner : fields.FBanners)
        banner.LoadFromStream(stream);

    report(progress, "Loading refused words...");
    fields.FRefusedWords.setText(stream.readCountedText());
}

QString loadSummary(const WordBaseFields &fields)
{
    return QStringLiteral("%1 edition, %2 words, %3 anecdotes")
        .arg(fields.FEdition)
        .arg(fields.FDictionary.WordCount())
        .arg(fields.FAnecdoteCount);
}
