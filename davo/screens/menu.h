#pragma once

#include "davo/screens/davo.h"

#include <QMainWindow>
#include <memory>

class QAction;

namespace common {
class SingleInstance;
}

namespace davo {

// The interface language davo speaks ("pt", "en", "es"), kept in the user's settings; Portuguese
// when none was chosen.
QString linguaGuardada();
void guardaLingua(const QString& codigo);

// davo's main window: checks the date format, refuses a second copy, opens DAVO.mdb and offers the
// menu, the compaction among it.
class Menu : public QMainWindow {
    Q_OBJECT
public:
    explicit Menu(const QString& folder, QWidget* parent = nullptr);
    ~Menu() override;

    // The start-up steps. False when the program must end (wrong date format, second copy); a
    // database that cannot be opened is reported and the window still shows.
    bool Form_Load();

    Programa& programa() { return programa_; }

    void mnuAtivGUT_Click();
    void mnuHistorico_Click();
    void mnuPlano_Click();
    void mnuCompactar_Click();
    void mnuSuporte_Click();
    void mnuExportarICS_Click();
    void mnuImportarICS_Click();
    void mnuExportarCSVLista_Click();
    void mnuExportarCSVHistorico_Click();
    void mnuSair_Click();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // True when the database is open; otherwise the error report is shown.
    bool bancoAberto();

    Programa programa_;
    std::unique_ptr<common::SingleInstance> instance_;
};

}  // namespace davo
