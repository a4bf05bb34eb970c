#include "view/skin.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>

void applySkin(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFile qss(QStringLiteral(":/skin/plexxp.qss"));
    if (qss.open(QIODevice::ReadOnly))
        app.setStyleSheet(QString::fromUtf8(qss.readAll()));
}
