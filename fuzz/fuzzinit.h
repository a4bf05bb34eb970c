#pragma once

#include <QCoreApplication>
#include <QLoggingCategory>

namespace fuzzing {

// Qt needs an application object for its image plugins. The warning that an
// image exceeds the allocation limit is expected on hostile input: silenced.
inline void initQt(int *argc, char ***argv)
{
    static QCoreApplication *app = new QCoreApplication(*argc, *argv);
    (void)app;
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.warning=false"));
}

} // namespace fuzzing
