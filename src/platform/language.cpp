// Choosing and installing the program's language. Our translations are built into the program
// as resources under :/i18n; Qt's own lie in Qt's translations folder.
#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {
namespace {

struct Installed {
    QTranslator ours;
    QTranslator qt;
    QString language = QStringLiteral("en");
};

Installed &installed()
{
    static Installed slot;
    return slot;
}

QString codeOf(QLocale::Language language)
{
    switch (language) {
    case QLocale::German:
        return QStringLiteral("de");
    case QLocale::French:
        return QStringLiteral("fr");
    case QLocale::English:
        return QStringLiteral("en");
    default:
        return {};
    }
}

} // namespace

QStringList translatedLanguages()
{
    return {QStringLiteral("de"), QStringLiteral("fr")};
}

QString chooseLanguage(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        if (const QString code = codeOf(QLocale(name).language()); !code.isEmpty())
            return code;
    }
    return QStringLiteral("en");
}

bool useLanguage(const QString &language)
{
    Installed &now = installed();
    QCoreApplication::removeTranslator(&now.ours);
    QCoreApplication::removeTranslator(&now.qt);
    now.language = QStringLiteral("en");
    if (!translatedLanguages().contains(language))
        return language == QLatin1String("en");
    if (!now.ours.load(QStringLiteral(":/i18n/korvel_%1.qm").arg(language)))
        return false;
    // Without Qt's own file the standard buttons stay English; the rest is still translated.
    if (now.qt.load(QStringLiteral("qtbase_%1").arg(language),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&now.qt);
    QCoreApplication::installTranslator(&now.ours);
    now.language = language;
    return true;
}

QString currentLanguage()
{
    return installed().language;
}

} // namespace platform
