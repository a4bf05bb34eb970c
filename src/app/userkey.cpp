#include "app/userkey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

void touchUserSettingsKey()
{
    // QSettings writes no file while it holds no values, so it only tells
    // where the file belongs; an existing file is left as it is.
    const QString path
        = QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quennic"), QStringLiteral("Brivela"))
              .fileName();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    (void)file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}
