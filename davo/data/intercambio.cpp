#include "davo/data/intercambio.h"

#include "davo/data/database.h"
#include "davo/data/icalendar.h"
#include "davo/data/prazos.h"

#include "common/formats.h"
#include "common/store.h"

#include <QCoreApplication>
#include <QHash>
#include <QSaveFile>
#include <QUuid>

#include <algorithm>
#include <cmath>

namespace davo {

QString cortaTexto(const QString& texto, int maximo)
{
    if (texto.size() <= maximo)
        return texto;
    qsizetype fim = maximo;
    if (fim > 0 && texto.at(fim - 1).isHighSurrogate())
        --fim;
    return texto.left(fim);
}

namespace {

const QString Intercambio = QStringLiteral("Intercambio");
const QString IntercambioArquivo = QStringLiteral("IntercambioArquivo");

// Names of the program's own properties, after the fields they carry.
const QString XG = QStringLiteral("X-DAVO-G");
const QString XU = QStringLiteral("X-DAVO-U");
const QString XT = QStringLiteral("X-DAVO-T");
const QString XGUT = QStringLiteral("X-DAVO-GUT");
const QString XHorasEst = QStringLiteral("X-DAVO-HORASEST");
const QString XHorasTrab = QStringLiteral("X-DAVO-HORASTRAB");
const QString XHorasQFaltam = QStringLiteral("X-DAVO-HORASQFALTAM");
const QString XFaltamDias = QStringLiteral("X-DAVO-FALTAMDIAS");
const QString XTempoDisp = QStringLiteral("X-DAVO-TEMPODISP");
const QString XHorasTrabDia = QStringLiteral("X-DAVO-HORASTRABDIA");
const QString XNaoAvaliada = QStringLiteral("X-DAVO-NAOAVALIADA");

bool existeTabela(common::Database& db, const QString& tabela)
{
    // The table's name is one of ours, never the user's text.
    common::Recordset rs = common::Recordset::openQuery(
        db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = '%1'").arg(tabela));
    return rs.recordCount() > 0 && rs.valueAt(0, 0).toInt() > 0;
}

void criaIntercambio(common::Database& db)
{
    db.execute(
        QStringLiteral("CREATE TABLE IF NOT EXISTS Intercambio "
                       "(Codigo INTEGER PRIMARY KEY, UID TEXT, NaoAvaliada INTEGER NOT NULL DEFAULT 0)"));
}

// The file's own name in the UIDs it gives, made on the first export and kept from then on.
QString identificadorArquivo(common::Database& db)
{
    common::Transaction transacao(db);
    db.execute(QStringLiteral("CREATE TABLE IF NOT EXISTS IntercambioArquivo (Identificador TEXT NOT NULL)"));
    common::Recordset rs =
        common::Recordset::openQuery(db, QStringLiteral("SELECT Identificador FROM IntercambioArquivo"));
    QString id;
    if (rs.recordCount() > 0) {
        id = rs.valueAt(0, 0).toString();
    } else {
        id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        db.execute(QStringLiteral("INSERT INTO IntercambioArquivo (Identificador) VALUES (?)"), {id});
    }
    transacao.commit();
    return id;
}

struct Marcas {
    QHash<qint64, QString> uids;
    QSet<qint64> naoAvaliadas;
};

Marcas marcas(common::Database& db)
{
    Marcas m;
    if (!existeTabela(db, Intercambio))
        return m;
    common::Recordset rs =
        common::Recordset::openQuery(db, QStringLiteral("SELECT Codigo, UID, NaoAvaliada FROM Intercambio"));
    for (int r = 0; r < rs.recordCount(); ++r) {
        const qint64 codigo = rs.valueAt(r, 0).toLongLong();
        const QString uid = rs.valueAt(r, 1).toString();
        if (!uid.isEmpty())
            m.uids.insert(codigo, uid);
        if (rs.valueAt(r, 2).toInt() != 0)
            m.naoAvaliadas.insert(codigo);
    }
    return m;
}

// Numbers in the file are written as the C locale writes them, whatever the user's locale.
QString numeroIcs(double v)
{
    return QString::number(v, 'g', 15);
}

std::optional<double> leNumeroIcs(const ical::Componente& c, const QString& nome)
{
    const ical::Propriedade* p = c.propriedade(nome);
    if (!p)
        return std::nullopt;
    bool ok = false;
    const double v = QLocale::c().toDouble(p->valor.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// PRIORITY 1 (highest) to 9 spread over the list's order: the first activity 1, the last 9.
int prioridade(int posicao, int total)
{
    if (total <= 1)
        return 1;
    return 1 + int(std::lround(8.0 * posicao / (total - 1)));
}

void escreveTarefa(ical::Escritor& w, const common::Recordset& rs, int row, const QString& uid, const QString& dtstamp,
                   std::optional<int> prioridadeLista, bool naoAvaliada)
{
    auto campo = [&](const char* nome) { return rs.valueAt(row, rs.fieldIndex(QLatin1String(nome))); };
    const bool concluida = campo("Ativo").toString() != QLatin1String("1");
    w.inicia(QStringLiteral("VTODO"));
    w.texto(QStringLiteral("UID"), uid);
    w.propriedade(QStringLiteral("DTSTAMP"), dtstamp);
    w.texto(QStringLiteral("SUMMARY"), campo("Atividade").toString());
    const QVariant dataFinal = campo("DataFinal");
    if (dataFinal.typeId() == QMetaType::QDate && dataFinal.toDate().isValid())
        w.propriedade(QStringLiteral("DUE;VALUE=DATE"), dataFinal.toDate().toString(QStringLiteral("yyyyMMdd")));
    const QString obs = campo("Obs").toString();
    if (!obs.isEmpty())
        w.texto(QStringLiteral("DESCRIPTION"), obs);
    w.propriedade(QStringLiteral("STATUS"), concluida ? QStringLiteral("COMPLETED") : QStringLiteral("NEEDS-ACTION"));
    if (prioridadeLista)
        w.propriedade(QStringLiteral("PRIORITY"), QString::number(*prioridadeLista));
    const auto est = numero(campo("HorasEst"));
    const auto trab = numero(campo("HorasTrab"));
    if (est && trab && *est > 0)
        w.propriedade(QStringLiteral("PERCENT-COMPLETE"),
                      QString::number(std::clamp(std::lround(100 * *trab / *est), 0L, 100L)));
    const std::pair<QString, const char*> figuras[] = {
        {XG, "G"},
        {XU, "U"},
        {XT, "T"},
        {XGUT, "GUT"},
        {XHorasEst, "HorasEst"},
        {XHorasTrab, "HorasTrab"},
        {XHorasQFaltam, "HorasQFaltam"},
        {XFaltamDias, "FaltamDias"},
        {XTempoDisp, "TempoDisp"},
        {XHorasTrabDia, "HorasTrabDia"},
    };
    for (const auto& [nome, field] : figuras)
        if (const auto v = numero(campo(field)))
            w.propriedade(nome, numeroIcs(*v));
    if (naoAvaliada)
        w.propriedade(XNaoAvaliada, QStringLiteral("TRUE"));
    w.termina(QStringLiteral("VTODO"));
}

}  // namespace

QByteArray exportaICalendar(common::Database& db, const QDate& hoje, const QDateTime& agora)
{
    AtualizaPrazos(db, hoje);
    const QString arquivo = identificadorArquivo(db);
    const Marcas m = marcas(db);
    const QString dtstamp = agora.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));

    ical::Escritor w;
    w.inicia(QStringLiteral("VCALENDAR"));
    w.propriedade(QStringLiteral("VERSION"), QStringLiteral("2.0"));
    w.propriedade(QStringLiteral("PRODID"), QStringLiteral("-//Davo//Sistema Davo 2017//PT"));
    w.propriedade(QStringLiteral("CALSCALE"), QStringLiteral("GREGORIAN"));
    for (const common::TableRows& consulta : {ListaAtivas, ListaConcluidas}) {
        const bool lista = consulta == ListaAtivas;
        common::Recordset rs = common::Recordset::openWhere(db, consulta);
        const int codigo = rs.fieldIndex(QStringLiteral("Codigo"));
        for (int r = 0; r < rs.recordCount(); ++r) {
            const qint64 chave = rs.valueAt(r, codigo).toLongLong();
            const QString uid = m.uids.value(chave, QStringLiteral("%1-%2@davo").arg(chave).arg(arquivo));
            escreveTarefa(w, rs, r, uid, dtstamp,
                          lista ? std::optional<int>(prioridade(r, rs.recordCount())) : std::nullopt,
                          m.naoAvaliadas.contains(chave));
        }
    }
    w.termina(QStringLiteral("VCALENDAR"));
    return w.bytes();
}

QString Importacao::resumo() const
{
    const int n = int(tarefas.size());
    QString texto = n == 1 ? QCoreApplication::translate("davo::Importacao", "1 atividade a importar")
                           : QCoreApplication::translate("davo::Importacao", "%1 atividades a importar").arg(n);
    if (ignoradas() == 0)
        return texto;
    texto += ignoradas() == 1 ? QCoreApplication::translate("davo::Importacao", ", 1 ignorada")
                              : QCoreApplication::translate("davo::Importacao", ", %1 ignoradas").arg(ignoradas());
    if (semDescricao == 0)
        texto += QCoreApplication::translate("davo::Importacao", " (sem prazo)");
    else if (semPrazo == 0)
        texto += QCoreApplication::translate("davo::Importacao", " (sem descrição)");
    else
        texto += QCoreApplication::translate("davo::Importacao", " (%1 sem prazo, %2 sem descrição)")
                     .arg(semPrazo)
                     .arg(semDescricao);
    return texto;
}

namespace {

void colheTarefas(const ical::Componente& c, const QTimeZone& local, Importacao& out)
{
    for (const ical::Componente& filho : c.filhos) {
        if (filho.nome != QLatin1String("VTODO"))
            continue;
        const ical::Propriedade* due = filho.propriedade(QStringLiteral("DUE"));
        const std::optional<QDate> prazo = due ? ical::dataLocal(*due, local) : std::nullopt;
        if (!prazo) {
            ++out.semPrazo;
            continue;
        }
        const ical::Propriedade* summary = filho.propriedade(QStringLiteral("SUMMARY"));
        QString descricao = summary ? ical::desescapaTexto(summary->valor) : QString();
        // The description is one line, as the screen's box holds it.
        descricao.replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (descricao.trimmed().isEmpty()) {
            ++out.semDescricao;
            continue;
        }

        TarefaImportada t;
        t.atividade = cortaTexto(descricao);
        t.dataFinal = *prazo;
        if (const ical::Propriedade* p = filho.propriedade(QStringLiteral("UID")))
            t.uid = ical::desescapaTexto(p->valor).trimmed();
        if (const ical::Propriedade* p = filho.propriedade(QStringLiteral("DESCRIPTION")))
            t.obs = ical::desescapaTexto(p->valor);
        if (const ical::Propriedade* p = filho.propriedade(QStringLiteral("STATUS"))) {
            const QString status = p->valor.trimmed().toUpper();
            t.concluida = status == QLatin1String("COMPLETED") || status == QLatin1String("CANCELLED");
        } else {
            // No state given: a to-do with the date it was completed on is done.
            t.concluida = filho.propriedade(QStringLiteral("COMPLETED")) != nullptr;
        }

        // A file davo wrote gives back the activity's own figures.
        const auto g = leNumeroIcs(filho, XG);
        const auto tendencia = leNumeroIcs(filho, XT);
        if (g && tendencia && *g >= 1 && *g <= 5 && *tendencia >= 1 && *tendencia <= 5) {
            t.g = *g;
            t.t = *tendencia;
            t.avaliada = filho.propriedade(XNaoAvaliada) == nullptr;
            if (const auto u = leNumeroIcs(filho, XU); u && *u >= 1 && *u <= UrgenciaMaxima && *u == std::floor(*u))
                t.u = int(*u);
            if (const auto gut = leNumeroIcs(filho, XGUT); gut && *gut >= 0)
                t.gut = *gut;
        }
        if (const auto v = leNumeroIcs(filho, XHorasEst); v && *v >= 0)
            t.horasEst = *v;
        if (const auto v = leNumeroIcs(filho, XHorasTrab); v && *v >= 0)
            t.horasTrab = *v;
        if (const auto v = leNumeroIcs(filho, XHorasQFaltam); v && *v >= 0)
            t.horasQFaltam = *v;
        // A finished activity keeps the day figures of its last pass; an open one is counted anew.
        const auto faltam = leNumeroIcs(filho, XFaltamDias);
        const auto disp = leNumeroIcs(filho, XTempoDisp);
        const auto porDia = leNumeroIcs(filho, XHorasTrabDia);
        if (t.concluida && faltam && disp && porDia && *faltam != 0)
            t.figurasDoDia = FigurasDoDia{*faltam, *disp, *porDia};
        out.tarefas.append(std::move(t));
    }
}

}  // namespace

std::optional<Importacao> leImportacao(const QByteArray& bytes, const QTimeZone& local)
{
    const auto calendarios = ical::le(bytes);
    if (!calendarios)
        return std::nullopt;
    Importacao out;
    for (const ical::Componente& c : *calendarios)
        colheTarefas(c, local, out);
    return out;
}

void gravaImportacao(common::Database& db, const Importacao& importacao, const QDate& hoje)
{
    common::Transaction transacao(db);
    criaIntercambio(db);
    common::Recordset rs = common::Recordset::openTable(db, QStringLiteral("Atividades"));
    rs.setIndex(QStringLiteral("PrimaryKey"));
    for (const TarefaImportada& t : importacao.tarefas) {
        const Prazo prazo = calculaPrazo(t.dataFinal, hoje);
        const double faltam = t.horasQFaltam ? *t.horasQFaltam : horasQFaltam(t.horasEst, t.horasTrab);
        const int u = t.u ? *t.u : urgenciaAtividade(faltam, prazo.tempoDisp);
        const FigurasDoDia dia =
            t.figurasDoDia ? *t.figurasDoDia
                           : FigurasDoDia{prazo.faltamDias, prazo.tempoDisp, horasTrabDia(faltam, prazo.faltamDias)};
        rs.addNew();
        rs.setValue(QStringLiteral("Ativo"), t.concluida ? QStringLiteral("0") : QStringLiteral("1"));
        rs.setValue(QStringLiteral("GUT"), t.gut ? *t.gut : gut(t.g, t.t, short(u)));
        rs.setValue(QStringLiteral("Atividade"), t.atividade);
        rs.setValue(QStringLiteral("G"), t.g);
        rs.setValue(QStringLiteral("U"), u);
        rs.setValue(QStringLiteral("T"), t.t);
        rs.setValue(QStringLiteral("DataFinal"), t.dataFinal);
        rs.setValue(QStringLiteral("FaltamDias"), dia.faltamDias);
        rs.setValue(QStringLiteral("TempoDisp"), dia.tempoDisp);
        rs.setValue(QStringLiteral("HorasEst"), t.horasEst);
        rs.setValue(QStringLiteral("HorasTrab"), t.horasTrab);
        rs.setValue(QStringLiteral("HorasQFaltam"), faltam);
        rs.setValue(QStringLiteral("HorasTrabDia"), dia.horasTrabDia);
        rs.setValue(QStringLiteral("Obs"), t.obs);
        rs.update();
        // The key the insert just gave, on this connection.
        db.execute(
            QStringLiteral("INSERT INTO Intercambio (Codigo, UID, NaoAvaliada) VALUES (last_insert_rowid(), ?, ?)"),
            {t.uid.isEmpty() ? QVariant() : QVariant(t.uid), t.avaliada ? 0 : 1});
    }
    rs.close();
    transacao.commit();
}

QSet<qint64> atividadesNaoAvaliadas(common::Database& db)
{
    return marcas(db).naoAvaliadas;
}

bool gravaAvaliacao(common::Database& db, const QVariant& codigo, double g, double t, const QDate& hoje)
{
    common::Transaction transacao(db);
    common::Recordset rs;
    if (!abreAtividade(db, codigo, rs))
        return false;
    rs.edit();
    rs.setValue(QStringLiteral("G"), g);
    rs.setValue(QStringLiteral("T"), t);
    if (calculaFiguras(rs.value(QStringLiteral("DataFinal")), rs.value(QStringLiteral("HorasQFaltam")), g, t, hoje)) {
        recalculaAtividade(rs, hoje);
    } else {
        // No deadline or hours to follow: the urgency stays, the score follows the new rating.
        const auto u = numero(rs.value(QStringLiteral("U")));
        rs.setValue(QStringLiteral("GUT"), gut(g, t, short(u ? std::clamp(*u, 1.0, double(UrgenciaMaxima)) : 1)));
    }
    rs.update();
    rs.close();
    if (existeTabela(db, Intercambio))
        db.execute(QStringLiteral("UPDATE Intercambio SET NaoAvaliada = 0 WHERE Codigo = ?"), {codigo});
    transacao.commit();
    return true;
}

QChar separadorCsv()
{
    return common::userLocale().decimalPoint() == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(',');
}

namespace {

QString campoCsv(const QString& texto, QChar separador)
{
    QString t = texto;
    static const QString formula = QStringLiteral("=+-@");
    if (!t.isEmpty() && formula.contains(t.at(0)) && !common::isNumeric(t))
        t.prepend(QLatin1Char('\''));
    if (t.contains(separador) || t.contains(QLatin1Char('"')) || t.contains(QLatin1Char('\n')) ||
        t.contains(QLatin1Char('\r'))) {
        t.replace(QLatin1String("\""), QLatin1String("\"\""));
        t = QLatin1Char('"') + t + QLatin1Char('"');
    }
    return t;
}

}  // namespace

QByteArray csv(const QList<QStringList>& linhas)
{
    const QChar separador = separadorCsv();
    QString texto;
    for (const QStringList& linha : linhas) {
        QStringList campos;
        campos.reserve(linha.size());
        for (const QString& c : linha)
            campos << campoCsv(c, separador);
        texto += campos.join(separador);
        texto += QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + texto.toUtf8();
}

QList<QStringList> linhasHistorico(common::Database& db)
{
    common::Recordset rs = common::Recordset::openWhere(db, ListaConcluidas);
    QList<QStringList> linhas;
    QStringList cabecalho;
    for (int c = 0; c < rs.fieldCount(); ++c)
        cabecalho << rs.fieldName(c);
    linhas << cabecalho;
    for (int r = 0; r < rs.recordCount(); ++r) {
        QStringList linha;
        for (int c = 0; c < rs.fieldCount(); ++c)
            linha << common::defaultText(rs.valueAt(r, c));
        linhas << linha;
    }
    return linhas;
}

bool gravaArquivo(const QString& caminho, const QByteArray& bytes)
{
    QSaveFile arquivo(caminho);
    return arquivo.open(QIODevice::WriteOnly) && arquivo.write(bytes) == bytes.size() && arquivo.commit();
}

}  // namespace davo
