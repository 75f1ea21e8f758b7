#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

QPointer<QTranslator> windowTexts; // ours, compiled in under :/i18n/
QPointer<QTranslator> qtTexts;     // Qt's, from qt6-translations-l10n

// The translation installed, owned by the application; null if there is none.
QTranslator *install(const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QString installTranslations(const QStringList &uiLanguages)
{
    delete windowTexts; // a translator takes itself out of the application
    delete qtTexts;
    for (const QString &tag : uiLanguages) {
        const QLocale::Language language = QLocale(tag).language();
        if (language == QLocale::English || tag == QLatin1String("C"))
            break;
        const QString code = QLocale::languageToCode(language);
        windowTexts = install(QStringLiteral("vormis_") + code, QStringLiteral(":/i18n"));
        if (windowTexts) {
            qtTexts = install(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return code;
        }
    }
    return QString();
}
