#ifndef VORMIS_LANGUAGE_H
#define VORMIS_LANGUAGE_H

#include <QString>
#include <QStringList>

// Puts the window's texts, and those of Qt's own dialogs, in the first of the
// user's languages (as QLocale::uiLanguages() lists them, most wanted first)
// that the window has a translation for; English or C before any of them
// keeps the window's own English texts.  Replaces whatever an earlier call
// installed, so it is called before the widgets are made.  Returns the
// language chosen ("de"), empty for English.
QString installTranslations(const QStringList &uiLanguages);

#endif
