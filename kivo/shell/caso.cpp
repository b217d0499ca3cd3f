#include "kivo/shell/caso.h"

#include "kivo/shell/database.h"

#include "common/esquema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace kivo::caso {

namespace {

const QString Senha = QStringLiteral(";pwd=PanoRoxo");

QString absoluto(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// The settings of kivo for this user, in an INI file (tests move its folder).
std::unique_ptr<QSettings> configuracao()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("kivo"),
                                       QStringLiteral("kivo"));
}

// A name beside `path` for the file being built; never one that exists.
QString provisorio(const QString& path)
{
    for (int i = 0;; ++i) {
        const QString nome = path + QStringLiteral(".novo") + (i ? QString::number(i) : QString());
        if (!QFileInfo::exists(nome))
            return nome;
    }
}

// Puts the whole file `feito` at `path`; false (and `feito` gone) when the system refuses.
bool poeNoLugar(const QString& feito, const QString& path)
{
    if (!common::syncToDisk(feito) || !QFile::rename(feito, path)) {
        QFile::remove(feito);
        return false;
    }
    common::syncToDisk(QFileInfo(path).absolutePath());
    return true;
}

bool temTabelaCaso(common::Database& db)
{
    try {
        db.fields(QStringLiteral("Caso"));
        return true;
    } catch (const common::StoreError& e) {
        if (e.number() == common::StoreError::TableNotFound)
            return false;
        throw;
    }
}

}  // namespace

bool mesmoArquivo(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return absoluto(a) == absoluto(b);
}

void verificaCaso(const QString& path)
{
    if (!QFileInfo(path).isFile())
        throw common::StoreError(common::StoreError::FileNotFound,
                                 QCoreApplication::translate("kivo::caso", "O arquivo '%1' não foi encontrado.")
                                     .arg(QDir::toNativeSeparators(path)));
    common::Database db;
    db.open(path, Senha);
    common::verificaEsquema(db, esquema());
    common::Recordset parametro = common::Recordset::openTable(db, QStringLiteral("Parametro"));
    parametro.moveFirst();
    parametro.value(QStringLiteral("Idioma"));  // an empty Parametro has no current record
}

void abreCaso(common::Database& db, const QString& path)
{
    verificaCaso(path);
    const QString anterior = db.path();
    db.close();
    try {
        db.open(path, Senha);
    } catch (const common::StoreError&) {
        if (!anterior.isEmpty())
            db.open(anterior, Senha);
        throw;
    }
}

bool novoCaso(const QString& path, short idioma)
{
    if (QFileInfo::exists(path))
        return false;
    const QString feito = provisorio(path);
    QStringList sql = esquema();
    sql << QStringLiteral("UPDATE Parametro SET Idioma = %1").arg(int(idioma));
    if (!common::createDatabaseFile(feito, sql))
        return false;
    if (!poeNoLugar(feito, path))
        throw common::StoreError(common::StoreError::CannotOpen,
                                 QCoreApplication::translate("kivo::caso", "Não foi possível criar o arquivo '%1'.")
                                     .arg(QDir::toNativeSeparators(path)));
    return true;
}

bool copiaCaso(common::Database& db, const QString& path)
{
    if (QFileInfo::exists(path))
        return false;
    const QString feito = provisorio(path);
    try {
        db.compactInto(feito);
    } catch (const common::StoreError&) {
        QFile::remove(feito);
        throw;
    }
    if (!poeNoLugar(feito, path))
        throw common::StoreError(common::StoreError::CannotOpen,
                                 QCoreApplication::translate("kivo::caso", "Não foi possível gravar o arquivo '%1'.")
                                     .arg(QDir::toNativeSeparators(path)));
    return true;
}

QString nomePadrao(const QString& path)
{
    return QFileInfo(path).completeBaseName();
}

Propriedades lePropriedades(common::Database& db)
{
    Propriedades p;
    if (temTabelaCaso(db)) {
        common::Recordset caso = common::Recordset::openTable(db, QStringLiteral("Caso"));
        caso.moveFirst();
        if (!caso.eof()) {
            p.nome = caso.text(QStringLiteral("Nome")).trimmed();
            p.objetivo = caso.text(QStringLiteral("Objetivo"));
        }
    }
    if (p.nome.isEmpty())
        p.nome = nomePadrao(db.path());
    return p;
}

void gravaPropriedades(common::Database& db, const Propriedades& propriedades)
{
    common::Transaction transaction(db);
    if (!temTabelaCaso(db))
        db.execute(QStringLiteral("CREATE TABLE Caso (Numero INTEGER PRIMARY KEY, Nome TEXT, Objetivo TEXT)"));
    db.execute(QStringLiteral("INSERT OR IGNORE INTO Caso (Numero, Nome, Objetivo) VALUES (1, '', '')"));
    db.execute(QStringLiteral("UPDATE Caso SET Nome = ?, Objetivo = ? WHERE Numero = 1"),
               {propriedades.nome.trimmed(), propriedades.objetivo});
    transaction.commit();
}

QString casoGuardado()
{
    return configuracao()->value(QStringLiteral("casos/atual")).toString();
}

QStringList recentes()
{
    return configuracao()->value(QStringLiteral("casos/recentes")).toStringList();
}

void guardaCaso(const QString& path)
{
    const QString arquivo = absoluto(path);
    QStringList lista = recentes();
    lista.removeIf([&](const QString& p) { return mesmoArquivo(p, arquivo); });
    lista.prepend(arquivo);
    while (lista.size() > MaximoRecentes)
        lista.removeLast();
    const auto s = configuracao();
    s->setValue(QStringLiteral("casos/atual"), arquivo);
    s->setValue(QStringLiteral("casos/recentes"), lista);
}

void removeRecente(const QString& path)
{
    QStringList lista = recentes();
    lista.removeIf([&](const QString& p) { return mesmoArquivo(p, path); });
    configuracao()->setValue(QStringLiteral("casos/recentes"), lista);
}

}  // namespace kivo::caso
