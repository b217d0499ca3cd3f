#pragma once

#include "kivo/shell/kivo.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QLabel;

namespace common {
class SingleInstance;
}

namespace kivo {

// kivo's main window: opens the database, takes the interface language, refuses a second copy and
// offers the menu from which every screen opens.
class Menu : public QMainWindow {
    Q_OBJECT
public:
    explicit Menu(const QString& folder, QWidget* parent = nullptr);
    ~Menu() override;

    // The start-up steps. False when the program must end without showing the window (the error
    // report or the second-copy message has been shown).
    bool Form_Load();

    Programa& programa() { return programa_; }

    // The case menu: a new case, another one opened, the open one saved under a new name, its name
    // and goal, its results exported, and one of the last cases opened again.
    void mnuNovoCaso_Click();
    void mnuAbrirCaso_Click();
    void mnuSalvarComo_Click();
    void mnuPropriedades_Click();
    void mnuExportar_Click();
    void mnuRecente_Click(int index);

    void mnuAlternativas_Click();
    void mnuCriterios_Click();
    void mnuPesos_Click();
    void mnuDados_Click();
    void mnuResultados_Click();
    void mnuUtil_Click();
    void mnuSair_Click();

    // Installs the language of the code in use (Programa::idioma): the menu speaks it at once.
    void aplicaIdioma();

    // The window's title and the recent list, after the case in use changed.
    void mostraCaso();

protected:
    void changeEvent(QEvent* event) override;

private:
    // Every text of the window in the interface language.
    void retranslate();
    // The interface language stored in the case in use.
    void leIdioma();
    // Makes `path` the case in use; a file that is no kivo case is refused with a message and the
    // case in use stays.
    bool trocaCaso(const QString& path);

    Programa programa_;
    QAction* mnuRecente_[5] = {};
    std::unique_ptr<common::SingleInstance> instance_;
    QLabel* status_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* somenteLeitura_ = nullptr;
};

}  // namespace kivo
