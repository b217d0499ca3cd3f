#pragma once

// The interface language of a program, through Qt's own translations: the program's texts are
// written in Portuguese in tr(); its translations are compiled from translations/<program>_<code>.ts
// into the program as resources (":/i18n/<program>_<code>.qm"), common's own texts likewise from
// translations/common_<code>.ts (common/CMakeLists.txt). Installing a language sends
// QEvent::LanguageChange to every open window, whose screens then retranslate their texts.

#include <QLocale>
#include <QString>

#include <span>

namespace common {

struct Lingua {
    const char* codigo;  // "pt", "en", "es": the suffix of the translation files
    const char* nome;    // the language's name in itself, as the language choice offers it
    QLocale::Language lingua;
    QLocale::Country pais;  // the country whose variant Qt's own texts take
};

// The languages a program can speak, in the order the information screen offers them. Portuguese
// is the language the texts are written in. A new language: its .ts in translations/ and a line in
// this list (common/traducao.cpp).
std::span<const Lingua> linguas();

// The language of `codigo`; Portuguese for any code not in the list.
const Lingua& lingua(const QString& codigo);

// Installs `codigo` as the interface language of `programa` ("kivo", "davo"): the program's translations
// and common's (":/i18n/common_<code>.qm": the failures' wording and the store's descriptions),
// replacing those installed before (none for Portuguese), and Qt's own texts (loadQtTranslations).
// False when the program's or common's translation for that language is missing: those texts then
// stay Portuguese. Number and date formats are not touched: they stay the user's locale.
bool instalaLingua(const QString& programa, const QString& codigo);

// The code installed last; "pt" before any.
QString linguaInstalada();

}  // namespace common
