#pragma once

// The interface language of a program, through Qt's own translations: the program's texts are
// written in Portuguese in tr(); its translations are compiled from translations/<program>_<code>.ts
// into the program as resources (":/i18n/<program>_<code>.qm"), common's own texts likewise from
// translations/common_<code>.ts (common/CMakeLists.txt). Installing a language sends
// QEvent::LanguageChange to every open window, whose screens then retranslate their texts.

#include <QLocale>
#include <QString>

#include <QList>

namespace common {

struct Lingua {
    QString codigo;  // "pt", "en", "es": the suffix of the translation files
    QString nome;    // the language's name in itself, as the language choice offers it
    QLocale local;   // the language, and the country whose variant Qt's own texts take
};

// The languages `programa` ("davo") can speak, in the order the information screen offers them:
// English, Spanish and Portuguese (the language the texts are written in), then every other
// language whose translation of the program lies in `pasta` (the program's resources), by code.
// So a new language needs only its .ts files in translations/: the build compiles every
// <program>_<code>.ts it finds, and the language is offered under its own name.
QList<Lingua> linguas(const QString& programa, const QString& pasta = QStringLiteral(":/i18n"));

// The language of `codigo` among `programa`'s; Portuguese for any other code.
Lingua lingua(const QString& programa, const QString& codigo);

// Installs `codigo` as the interface language of `programa` ("kivo", "davo"): the program's translations
// and common's (":/i18n/common_<code>.qm": the failures' wording and the store's descriptions),
// replacing those installed before (none for Portuguese), and Qt's own texts (loadQtTranslations).
// False when the program's or common's translation for that language is missing: those texts then
// stay Portuguese. Number and date formats are not touched: they stay the user's locale.
bool instalaLingua(const QString& programa, const QString& codigo);

// The code installed last; "pt" before any.
QString linguaInstalada();

}  // namespace common
