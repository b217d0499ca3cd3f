#include "davo/data/compaction.h"

#include "common/store.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace davo {

void compactaBanco(common::Database& db, const QString& folder, const AntesDoPasso& antes)
{
    const QString original = folder + QStringLiteral("/DAVO.mdb");
    // A DAVO.mdb that is a link stays one: the file it points to is compacted, in its own folder,
    // and the link keeps pointing to it.
    const QFileInfo link(original);
    const QString alvo = link.isSymLink() && !link.canonicalFilePath().isEmpty() ? link.canonicalFilePath() : original;
    const QString pasta = QFileInfo(alvo).absolutePath();
    const QString novo = pasta + QStringLiteral("/NovoDAVO.mdb");
    auto passo = [&](PassoCompactacao p) {
        if (antes)
            antes(p);
    };

    try {
        // A temporary file left by an earlier run that died is not ours to keep.
        QFile::remove(novo);

        passo(PassoCompactacao::Fechar);
        // The copy is made through a connection of its own, so the program's is closed first.
        db.close();
        {
            passo(PassoCompactacao::Compactar);
            common::Database source;
            source.open(original);
            source.compactInto(novo);  // on disk, with DAVO.mdb's permissions
        }

        passo(PassoCompactacao::Substituir);
        // rename() replaces the old file atomically: DAVO.mdb is never missing.
        if (std::rename(QFile::encodeName(novo).constData(), QFile::encodeName(alvo).constData()) != 0)
            throw common::StoreError(
                common::StoreError::Engine,
                QCoreApplication::translate("davo::compactaBanco", "Não foi possível renomear '%1' para '%2': %3")
                    .arg(novo, alvo, QString::fromLocal8Bit(std::strerror(errno))));
        // The folder's new entry reaches the disk too: after a power cut DAVO.mdb names one whole
        // file, never neither.
        if (!common::syncToDisk(pasta))
            throw common::StoreError(
                common::StoreError::Engine,
                QCoreApplication::translate("davo::compactaBanco", "Não foi possível gravar a pasta '%1' no disco.")
                    .arg(pasta));

        passo(PassoCompactacao::AbrirExclusivo);
        db.open(original, {}, /*exclusive=*/true);
        passo(PassoCompactacao::FecharExclusivo);
        db.close();
        passo(PassoCompactacao::AbrirCompartilhado);
        db.open(original, QStringLiteral(";pwd=418302"));
    } catch (...) {
        QFile::remove(novo);
        // DAVO.mdb is the old file or the compacted one, whole either way: the program goes on
        // with it. Should even that fail, the database stays closed and the menu says so.
        try {
            if (!db.isOpen())
                db.open(original, QStringLiteral(";pwd=418302"));
        } catch (const common::StoreError&) {
        }
        throw;
    }
}

}  // namespace davo
