#include "common/traducao.h"

#include "common/application.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

namespace common {

namespace {

constexpr Lingua Linguas[] = {
    {"en", "English", QLocale::English, QLocale::UnitedStates},
    {"es", "Español", QLocale::Spanish, QLocale::Spain},
    {"pt", "Português", QLocale::Portuguese, QLocale::Brazil},
};

QString& instalada()
{
    static QString codigo = QStringLiteral("pt");
    return codigo;
}

// Replaces what `traducao` holds with `arquivo`'s translations; nothing installed when `arquivo` is
// empty (Portuguese). False when the file is missing.
bool troca(QPointer<QTranslator>& traducao, const QString& arquivo)
{
    if (traducao)
        QCoreApplication::removeTranslator(traducao);
    else
        traducao = new QTranslator(QCoreApplication::instance());
    if (arquivo.isEmpty())
        return true;
    if (!traducao->load(arquivo))
        return false;
    QCoreApplication::installTranslator(traducao);
    return true;
}

}  // namespace

std::span<const Lingua> linguas()
{
    return Linguas;
}

const Lingua& lingua(const QString& codigo)
{
    for (const Lingua& l : Linguas)
        if (codigo == QLatin1String(l.codigo))
            return l;
    return Linguas[std::size(Linguas) - 1];
}

bool instalaLingua(const QString& programa, const QString& codigo)
{
    // Two translators for the program's life, owned by the application object: the program's own
    // texts, and common's (the failures' wording, the store's descriptions of its failures).
    static QPointer<QTranslator> traducao;
    static QPointer<QTranslator> comum;
    if (!QCoreApplication::instance())
        return false;
    const Lingua& l = lingua(codigo);
    const QString codigoInstalado = QLatin1String(l.codigo);
    instalada() = codigoInstalado;
    const bool portugues = codigoInstalado == QLatin1String("pt");
    auto arquivo = [&](const QString& nome) {
        return portugues ? QString() : QStringLiteral(":/i18n/%1_%2.qm").arg(nome, codigoInstalado);
    };
    const bool deles = troca(traducao, arquivo(programa));
    const bool comuns = troca(comum, arquivo(QStringLiteral("common")));
    // Qt's own translator last: installing it sends the language change even to Portuguese.
    loadQtTranslations(QLocale(l.lingua, l.pais));
    return deles && comuns;
}

QString linguaInstalada()
{
    return instalada();
}

}  // namespace common
