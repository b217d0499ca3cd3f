#include "davo/screens/intercambio.h"

#include "davo/data/database.h"
#include "davo/data/intercambio.h"
#include "davo/data/prazos.h"
#include "davo/screens/gradeatividades.h"

#include "common/clock.h"
#include "common/platform.h"
#include "common/store.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace davo {

namespace {

// The texts of the exchanges with other programs' files.
class Intercambio {
    Q_DECLARE_TR_FUNCTIONS(davo::Intercambio)
};

QString nativo(const QString& caminho)
{
    return QDir::toNativeSeparators(QFileInfo(caminho).absoluteFilePath());
}

QString pastaProposta()
{
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documentos.isEmpty() && QFileInfo(documentos).isDir() ? documentos : QDir::homePath();
}

QString filtroICS()
{
    return Intercambio::tr("Arquivos iCalendar (*.ics *.ical *.icalendar);;Todos os arquivos (*)");
}

QString filtroCSV()
{
    return Intercambio::tr("Arquivos CSV (*.csv);;Todos os arquivos (*)");
}

// Size past which a file is no calendar of tasks worth reading into memory.
constexpr qint64 TamanhoMaximo = 64 * 1024 * 1024;

void grava(QWidget* parent, const QString& arquivo, const QByteArray& bytes, const QString& oQue)
{
    if (!gravaArquivo(arquivo, bytes)) {
        common::Messages::exclamation(
            parent, Intercambio::tr("Arquivo não gravado!"),
            Intercambio::tr(
                "Não foi possível gravar o arquivo \"%1\".\nEscolha outra pasta ou outro nome e tente de novo.")
                .arg(nativo(arquivo)));
        return;
    }
    common::Messages::show(parent, QMessageBox::Information, Intercambio::tr("Arquivo gravado"),
                           Intercambio::tr("%1 foi gravado no arquivo:\n%2").arg(oQue, nativo(arquivo)));
}

}  // namespace

QString escolheArquivo(QWidget* parent, bool gravar, const QString& titulo, const QString& filtro,
                       const QString& sufixo, const QString& nomeProposto)
{
    QFileDialog dialog(parent, titulo);
    dialog.setObjectName(QStringLiteral("dlgArquivo"));
    // Qt's own dialog: the same on every desktop, reached by the keyboard, and by the tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // asked below, No first
    dialog.setAcceptMode(gravar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(gravar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(filtro);
    dialog.setDefaultSuffix(sufixo);
    dialog.setDirectory(pastaProposta());
    if (!nomeProposto.isEmpty())
        dialog.selectFile(nomeProposto);
    if (common::Modal::exec(dialog) != QDialog::Accepted)
        return {};
    const QString arquivo = dialog.selectedFiles().value(0);
    if (arquivo.isEmpty())
        return {};
    if (gravar && QFileInfo::exists(arquivo) &&
        !common::Messages::askYesNo(
            parent, Intercambio::tr("Arquivo existente!"),
            Intercambio::tr("O arquivo \"%1\" já existe. Deseja substituí-lo?").arg(nativo(arquivo)),
            QMessageBox::Warning, QMessageBox::No))
        return {};
    return arquivo;
}

QList<QStringList> linhasDoModelo(const QAbstractItemModel& modelo, int primeira, const QStringList& titulos,
                                  int linhas)
{
    QList<QStringList> out{titulos};
    for (int r = 0; r < linhas; ++r) {
        QStringList linha;
        for (int c = primeira; c < modelo.columnCount(); ++c)
            linha << modelo.index(r, c).data().toString();
        out << linha;
    }
    return out;
}

QList<QStringList> linhasLista(Programa& programa)
{
    // The figures of today, as the list brings them up to date when it opens.
    AtualizaPrazos(programa.db, common::Clock::today());
    common::Recordset lista = common::Recordset::openWhere(programa.db, ListaAtivas);
    GradeAtividades grade;
    grade.preenche(lista);
    grade.setNaoAvaliadas(atividadesNaoAvaliadas(programa.db));
    QStringList titulos;
    for (int c = 1; c < GradeAtividades::Colunas; ++c)
        titulos << GradeAtividades::titulo(c);
    return linhasDoModelo(grade, 1, titulos, grade.atividades());
}

void exportaICS(QWidget* parent, Programa& programa)
{
    const QString arquivo = escolheArquivo(parent, true, Intercambio::tr("Exportar atividades para iCalendar"),
                                           filtroICS(), QStringLiteral("ics"), QStringLiteral("Atividades.ics"));
    if (arquivo.isEmpty())
        return;
    const QByteArray bytes = exportaICalendar(programa.db, common::Clock::today(), QDateTime::currentDateTimeUtc());
    grava(parent, arquivo, bytes, Intercambio::tr("O calendário de atividades"));
}

void exportaCSVLista(QWidget* parent, Programa& programa)
{
    const QString arquivo = escolheArquivo(parent, true, Intercambio::tr("Exportar a lista de atividades para CSV"),
                                           filtroCSV(), QStringLiteral("csv"), QStringLiteral("Atividades.csv"));
    if (arquivo.isEmpty())
        return;
    grava(parent, arquivo, csv(linhasLista(programa)), Intercambio::tr("A lista de atividades"));
}

void exportaCSVHistorico(QWidget* parent, Programa& programa)
{
    const QString arquivo = escolheArquivo(parent, true, Intercambio::tr("Exportar o histórico para CSV"), filtroCSV(),
                                           QStringLiteral("csv"), QStringLiteral("Historico.csv"));
    if (arquivo.isEmpty())
        return;
    grava(parent, arquivo, csv(linhasHistorico(programa.db)), Intercambio::tr("O histórico"));
}

void importaICS(QWidget* parent, Programa& programa)
{
    const QString arquivo = escolheArquivo(parent, false, Intercambio::tr("Importar tarefas de iCalendar"), filtroICS(),
                                           QStringLiteral("ics"), {});
    if (arquivo.isEmpty())
        return;
    QFile file(arquivo);
    QByteArray bytes;
    bool lido = file.open(QIODevice::ReadOnly) && file.size() <= TamanhoMaximo;
    if (lido) {
        bytes = file.readAll();
        lido = file.error() == QFileDevice::NoError;
    }
    if (!lido) {
        common::Messages::exclamation(parent, Intercambio::tr("Arquivo não lido!"),
                                      Intercambio::tr("Não foi possível ler o arquivo \"%1\".").arg(nativo(arquivo)));
        return;
    }
    const std::optional<Importacao> importacao = leImportacao(bytes);
    if (!importacao) {
        common::Messages::exclamation(
            parent, Intercambio::tr("Arquivo não reconhecido!"),
            Intercambio::tr("O arquivo \"%1\" não é um arquivo iCalendar (.ics) e nada foi importado.")
                .arg(nativo(arquivo)));
        return;
    }
    if (importacao->tarefas.isEmpty()) {
        common::Messages::exclamation(parent, Intercambio::tr("Nada a importar!"), importacao->resumo());
        return;
    }
    if (!common::Messages::askYesNo(parent, Intercambio::tr("Confirma a importação?"), importacao->resumo()))
        return;
    gravaImportacao(programa.db, *importacao, common::Clock::today());
    common::Messages::show(parent, QMessageBox::Information, Intercambio::tr("Importação concluída"),
                           importacao->tarefas.size() == 1
                               ? Intercambio::tr("1 atividade importada.")
                               : Intercambio::tr("%1 atividades importadas.").arg(importacao->tarefas.size()));
}

}  // namespace davo
