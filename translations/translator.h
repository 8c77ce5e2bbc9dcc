// Loads the interface language of the system locale for Gridwell's programs.
#ifndef GRIDWELL_TRANSLATOR_H
#define GRIDWELL_TRANSLATOR_H

#include <QList>
#include <QLocale>
#include <QStringList>

class QTranslator;

namespace Translator {

// Installs Qt's own translation (its standard buttons and dialogs) and ours
// for each of the given catalogues ("updater", "ductbook", ...) in the
// language of locale, on the running application, and returns what it
// installed (owned by the application). A language we have no translation
// for leaves the English texts; nothing is reported, since an untranslated
// program still works. Call it after the application object exists and
// before any text is made.
QList<QTranslator*> install(const QStringList& catalogues, const QLocale& locale);

// The same in the interface language of the system (interfaceLocale()).
QList<QTranslator*> install(const QStringList& catalogues);

// The locale whose language the interface speaks: QLocale::system(), except
// that a "C" or "POSIX" message locale (LC_ALL, else LC_MESSAGES, else LANG)
// means the untranslated texts, as it does for every program that uses
// gettext, even when LANGUAGE names other languages.
QLocale interfaceLocale();

// The folder the .qm files are read from: the installed one, relative to the
// program, when it exists, else the build tree's.
QString directory();

} // namespace Translator

#endif // GRIDWELL_TRANSLATOR_H
