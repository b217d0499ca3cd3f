#include "kivo/shell/planilha.h"

#include "kivo/shell/caso.h"
#include "kivo/shell/dados.h"
#include "kivo/shell/database.h"

#include "common/formats.h"
#include "common/clock.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>

namespace kivo::planilha {

namespace {

QString semQuebras(QString texto)
{
    static const QRegularExpression quebras(QStringLiteral("[\t\r\n]"));
    return texto.replace(quebras, QStringLiteral(" "));
}

// A number in the user's locale, with every digit it needs and no thousands separator.
QString numeroCsv(double valor)
{
    QLocale locale = common::userLocale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    if (valor == 0.0)
        return QStringLiteral("0");
    return locale.toString(valor, 'g', 15);
}

QString campoCsv(const QString& texto, QChar separador)
{
    if (!texto.contains(separador) && !texto.contains(u'"') && !texto.contains(u'\n') && !texto.contains(u'\r'))
        return texto;
    QString t = texto;
    t.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + t + u'"';
}

// The headings of the exported columns, in the interface language.
QString rotulo(const char* texto)
{
    return QCoreApplication::translate("kivo::planilha", texto);
}

}  // namespace

QString textoTabulado(const QList<QStringList>& linhas)
{
    QString texto;
    for (const QStringList& linha : linhas) {
        QStringList celulas;
        for (const QString& c : linha)
            celulas << semQuebras(c);
        texto += celulas.join(u'\t') + u'\n';
    }
    return texto;
}

QString textoCelula(const QVariant& valor)
{
    switch (valor.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return common::numberText(valor.toDouble());
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
        return QString::number(valor.toLongLong());
    default:
        return valor.toString();
    }
}

QStringList linhasColadas(const QString& texto)
{
    static const QRegularExpression quebra(QStringLiteral("\r\n|\n|\r"));
    QStringList linhas = texto.split(quebra);
    if (linhas.size() > 1 && linhas.last().isEmpty())
        linhas.removeLast();
    return linhas;
}

int primeiraNaoNumerica(const QStringList& linhas)
{
    for (int i = 0; i < linhas.size(); ++i)
        if (linhas[i].contains(u'\t') || !common::isNumeric(linhas[i]))
            return i;
    return -1;
}

Exportacao leExportacao(common::Database& db)
{
    Exportacao e;
    const caso::Propriedades p = caso::lePropriedades(db);
    e.nome = p.nome;
    e.objetivo = p.objetivo;
    e.data = common::shortDateText(common::Clock::today());

    common::Recordset criterios = dados::abreTabela(db, QStringLiteral("Criterios"));
    const int n = criterios.eof() ? 0 : dados::qtdeGravada(criterios.value(QStringLiteral("Qtde")), 1, dados::Linhas);
    for (int k = 0; k < n && !criterios.eof(); ++k, criterios.moveNext())
        e.criterios << criterios.text(QStringLiteral("Identifica")).trimmed();

    common::Recordset alternativas = dados::abreTabela(db, QStringLiteral("Alternativas"));
    const int m =
        alternativas.eof() ? 0 : dados::qtdeGravada(alternativas.value(QStringLiteral("Qtde")), 0, dados::Linhas);
    for (int a = 0; a < m && !alternativas.eof(); ++a, alternativas.moveNext()) {
        LinhaExportada linha;
        linha.numero = alternativas.value(QStringLiteral("Numero")).toInt();
        linha.nome = alternativas.text(QStringLiteral("Alternativa"));
        linha.resultado = alternativas.value(QStringLiteral("Resultado")).toDouble();
        for (int k = 1; k <= int(e.criterios.size()); ++k)
            linha.contribuicoes.push_back(alternativas.value(numbered(QStringLiteral("KIVO"), k)).toDouble());
        e.linhas.push_back(std::move(linha));
    }
    std::stable_sort(e.linhas.begin(), e.linhas.end(),
                     [](const LinhaExportada& x, const LinhaExportada& y) { return x.resultado > y.resultado; });
    return e;
}

QChar separadorCsv()
{
    return common::userLocale().decimalPoint() == QStringLiteral(",") ? u';' : u',';
}

QString textoCsv(const Exportacao& e)
{
    const QChar s = separadorCsv();
    const auto linha = [s](const QStringList& campos) {
        QStringList out;
        for (const QString& c : campos)
            out << campoCsv(c, s);
        return out.join(s) + QStringLiteral("\r\n");
    };
    QString texto = linha({rotulo(QT_TRANSLATE_NOOP("kivo::planilha", "Caso")), e.nome,
                           rotulo(QT_TRANSLATE_NOOP("kivo::planilha", "Objetivo")), e.objetivo,
                           rotulo(QT_TRANSLATE_NOOP("kivo::planilha", "Data")), e.data});
    texto += linha(QStringList{rotulo(QT_TRANSLATE_NOOP("kivo::planilha", "Número")),
                               rotulo(QT_TRANSLATE_NOOP("kivo::planilha", "Alternativa")),
                               rotulo(QT_TRANSLATE_NOOP("kivo::planilha", "Resultado"))} +
                   e.criterios);
    for (const LinhaExportada& l : e.linhas) {
        QStringList campos{QString::number(l.numero), l.nome, numeroCsv(l.resultado)};
        for (double c : l.contribuicoes)
            campos << numeroCsv(c);
        texto += linha(campos);
    }
    return texto;
}

bool gravaCsv(const QString& path, const Exportacao& exportacao)
{
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + textoCsv(exportacao).toUtf8();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

}  // namespace kivo::planilha
