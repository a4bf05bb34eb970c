#include "wordbase/banner.h"

#include "dict/bytereader.h"

#include <QBuffer>
#include <QImageReader>

namespace {
// A banner is 468 x 60 (110 KB decoded); a GIF whose frame would need more than
// this (about 2000 x 2000) is refused before the decoder allocates it, however
// few bytes declare it.
constexpr int kAllocationLimitMb = 16;
} // namespace

QString gifError(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader::setAllocationLimit(kAllocationLimitMb);
    QImageReader reader(&buffer, "gif");
    reader.setDecideFormatFromContent(false);
    const QImage image = reader.read();
    if (!image.isNull())
        return {};
    QString message = reader.errorString();
    return message.isEmpty() ? QStringLiteral("Invalid GIF image") : message;
}

void TBanner::LoadFromStream(ByteReader &stream)
{
    const int32_t length = stream.readInt32();
    if (length < 0)
        throw LoadError(LoadMessages::negativeLength());
    if (length > stream.remaining())
        throw LoadError(QStringLiteral("Stream read error"));
    Image = stream.readBytes(length).toByteArray();
    const QString error = gifError(Image);
    if (!error.isEmpty())
        throw LoadError(error);
    Hint = stream.readCountedText();
    Link = stream.readCountedText();
}
