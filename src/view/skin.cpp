#include "view/skin.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QStyleFactory>

namespace {
// The windows were designed for an 11 px Windows sans font; DejaVu Sans, which
// every Debian desktop has, needs a pixel more to read as easily.
constexpr int kFontPixels = 12;
} // namespace

void applySkin(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixels);
    app.setFont(font);
    QFile qss(QStringLiteral(":/skin/plexxp.qss"));
    if (qss.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(qss.readAll()));
}
