#ifndef DEFAULTTEMPLATE_P_H
#define DEFAULTTEMPLATE_P_H

#include <QString>

namespace Plan {

// The default template, with which a job of version 2.1 or older is converted
// when the configured template is missing (as on a fresh installation): the
// one the packages install in share/gridwell/templates, found relative to the
// running program, or, run from the build tree, the example template. Empty
// when neither is there.
QString defaultTemplate();

// The template to convert an old job with: chosen when given, else the
// configured one, else (when that file is missing) defaultTemplate(), in
// which case *missing is set to the configured name.
QString templateFor(const QString& chosen, const QString& configured, QString* missing);

} // namespace Plan

#endif // DEFAULTTEMPLATE_P_H
