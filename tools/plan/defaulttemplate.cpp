#include "defaulttemplate_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Plan {

QString defaultTemplate()
{
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                        QStringLiteral(GRIDWELL_TEMPLATE_RELATIVE_PATH));
    if (QFileInfo::exists(installed))
        return installed;
    if (QFileInfo::exists(QStringLiteral(GRIDWELL_TEMPLATE_BUILD_PATH)))
        return QStringLiteral(GRIDWELL_TEMPLATE_BUILD_PATH);
    return QString();
}

QString templateFor(const QString& chosen, const QString& configured, QString* missing)
{
    missing->clear();
    if (!chosen.isEmpty())
        return chosen;
    const QString fallback = defaultTemplate();
    if (QFileInfo::exists(configured) || fallback.isEmpty())
        return configured;
    *missing = configured;
    return fallback;
}

} // namespace Plan
