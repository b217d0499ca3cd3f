#include "common/traducao.h"

#include "common/application.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QTranslator>

#include <algorithm>

namespace common {

namespace {

// The languages every program speaks, in the order they are offered.
const Lingua Proprias[] = {
    {QStringLiteral("en"), QStringLiteral("English"), QLocale(QLocale::English, QLocale::UnitedStates)},
    {QStringLiteral("es"), QStringLiteral("Español"), QLocale(QLocale::Spanish, QLocale::Spain)},
    {QStringLiteral("pt"), QStringLiteral("Português"), QLocale(QLocale::Portuguese, QLocale::Brazil)},
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

QList<Lingua> linguas(const QString& programa, const QString& pasta)
{
    QList<Lingua> out(std::begin(Proprias), std::end(Proprias));
    const QString prefixo = programa + QLatin1Char('_');
    QStringList codigos;
    for (const QString& arquivo : QDir(pasta).entryList({prefixo + QStringLiteral("*.qm")}, QDir::Files))
        codigos << arquivo.mid(prefixo.size()).chopped(3);
    codigos.sort();
    for (const QString& codigo : codigos) {
        const QLocale local(codigo);
        const bool conhecida = std::any_of(out.begin(), out.end(), [&](const Lingua& l) { return l.codigo == codigo; });
        if (conhecida || codigo.isEmpty() || local.language() == QLocale::C)
            continue;
        QString nome = local.nativeLanguageName();
        if (!nome.isEmpty())
            nome[0] = nome[0].toUpper();
        out.push_back({codigo, nome.isEmpty() ? codigo : nome, local});
    }
    return out;
}

Lingua lingua(const QString& programa, const QString& codigo)
{
    const QList<Lingua> todas = linguas(programa);
    for (const Lingua& l : todas)
        if (l.codigo == codigo)
            return l;
    return Proprias[std::size(Proprias) - 1];
}

bool instalaLingua(const QString& programa, const QString& codigo)
{
    // Two translators for the program's life, owned by the application object: the program's own
    // texts, and common's (the failures' wording, the store's descriptions of its failures).
    static QPointer<QTranslator> traducao;
    static QPointer<QTranslator> comum;
    if (!QCoreApplication::instance())
        return false;
    const Lingua l = lingua(programa, codigo);
    const QString codigoInstalado = l.codigo;
    instalada() = codigoInstalado;
    const bool portugues = codigoInstalado == QLatin1String("pt");
    auto arquivo = [&](const QString& nome) {
        return portugues ? QString() : QStringLiteral(":/i18n/%1_%2.qm").arg(nome, codigoInstalado);
    };
    const bool deles = troca(traducao, arquivo(programa));
    const bool comuns = troca(comum, arquivo(QStringLiteral("common")));
    // Qt's own translator last: installing it sends the language change even to Portuguese.
    loadQtTranslations(l.local);
    return deles && comuns;
}

QString linguaInstalada()
{
    return instalada();
}

}  // namespace common
