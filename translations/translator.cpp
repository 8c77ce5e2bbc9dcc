#include "translator.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translator {

QString directory()
{
    const QDir installed(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                         QStringLiteral(GRIDWELL_QM_RELATIVE_DIR));
    if (installed.exists())
        return installed.absolutePath();
    return QStringLiteral(GRIDWELL_QM_BUILD_DIR);
}

namespace {

// Loads name_<language>.qm from folder for the first of the locale's
// interface languages that has one.
QTranslator* load(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QList<QTranslator*> install(const QStringList& catalogues, const QLocale& locale)
{
    QList<QTranslator*> installed;
    // The texts are written in English; an English or "C" locale needs no
    // file, and must not pick one up from a stray LANGUAGE list.
    if (!QCoreApplication::instance() || locale.language() == QLocale::English ||
        locale.language() == QLocale::C)
        return installed;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (QTranslator* qt = load(locale, QStringLiteral("qtbase"), qtFolder))
        installed.append(qt);
    const QString folder = directory();
    for (const QString& name : catalogues) {
        if (QTranslator* ours = load(locale, name, folder))
            installed.append(ours);
    }
    return installed;
}

QLocale interfaceLocale()
{
#ifdef Q_OS_UNIX
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty())
        messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qgetenv("LANG");
    if (messages == "C" || messages == "POSIX" || messages.startsWith("C."))
        return QLocale::c();
#endif
    return QLocale::system();
}

QList<QTranslator*> install(const QStringList& catalogues)
{
    return install(catalogues, interfaceLocale());
}

} // namespace Translator
