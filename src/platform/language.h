// The language the program speaks: English, its source, or one of its translations, chosen from
// the player's preferred languages.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The languages the program is translated into, besides English: "de", "fr".
QStringList translatedLanguages();

// The language for a player whose preferred languages are `uiLanguages`, most preferred first as
// QLocale::uiLanguages() gives them ("de-DE", "fr", "en-US"...): the first of them that is
// German, French or English; English when none is. Returns "de", "fr" or "en".
QString chooseLanguage(const QStringList &uiLanguages);

// Speaks `language` ("de", "fr" or "en") from now on: installs the program's translation and Qt's
// own (the standard buttons and dialogs), replacing those of an earlier call; English removes
// them. Widgets made earlier keep their texts. False, and English, when the program's
// translation cannot be loaded. Needs the application object.
bool useLanguage(const QString &language);

// The language useLanguage last installed; "en" before any call.
QString currentLanguage();

} // namespace platform
