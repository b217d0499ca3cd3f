#include "davo/screens/questionario.h"

#include "davo/screens/report.h"

#include "common/formats.h"
#include "common/platform.h"
#include "common/store.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialog>
#include <QLabel>

namespace davo::questionario {

void carrega(QDialog* tela, const QList<QButtonGroup*>& grupos, QLabel* resultado)
{
    try {
        for (QButtonGroup* grupo : grupos) {
            // An exclusive group keeps one button checked; let go of it to clear them all.
            grupo->setExclusive(false);
            for (QAbstractButton* b : grupo->buttons())
                b->setChecked(false);
            grupo->setExclusive(true);
        }
        resultado->clear();
    } catch (const common::StoreError& e) {
        relataErro(tela, e);
    } catch (const std::exception& e) {
        relataErro(tela, common::StoreError::Engine, QString::fromLocal8Bit(e.what()));
    }
}

void grava(QDialog* tela, QLabel* resultado, QLabel* destino, const QString& titulo, const QString& texto)
{
    if (common::isNumeric(resultado->text())) {
        if (destino)
            destino->setText(resultado->text());
    } else {
        common::Messages::exclamation(tela, titulo, texto);
    }
    tela->accept();
}

}  // namespace davo::questionario
