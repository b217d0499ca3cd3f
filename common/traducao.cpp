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
    // One translator for the program's life, owned by the application object.
    static QPointer<QTranslator> traducao;
    auto* app = QCoreApplication::instance();
    if (!app)
        return false;
    const Lingua& l = lingua(codigo);
    instalada() = QLatin1String(l.codigo);
    if (traducao)
        QCoreApplication::removeTranslator(traducao);
    else
        traducao = new QTranslator(app);
    bool carregada = true;
    if (QLatin1String(l.codigo) != QLatin1String("pt")) {
        carregada = traducao->load(QStringLiteral(":/i18n/%1_%2.qm").arg(programa, QLatin1String(l.codigo)));
        if (carregada)
            QCoreApplication::installTranslator(traducao);
    }
    // Qt's own translator last: installing it sends the language change even to Portuguese.
    loadQtTranslations(QLocale(l.lingua, l.pais));
    return carregada;
}

QString linguaInstalada()
{
    return instalada();
}

}  // namespace common
