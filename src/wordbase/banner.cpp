#include "wordbase/banner.h"

#include "dict/bytereader.h"

#include <QBuffer>
#include <QImageReader>

namespace {
// A banner is 468 x 60; anything that would need more than this to decode one
// frame is refused before the decoder allocates it.
constexpr int kAllocationLimitMb = 64;
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
