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

    void mnuAlternativas_Click();
    void mnuCriterios_Click();
    void mnuPesos_Click();
    void mnuDados_Click();
    void mnuResultados_Click();
    void mnuUtil_Click();
    void mnuSair_Click();

    // The menu captions of the current language.
    void aplicaIdioma();

private:
    Programa programa_;
    std::unique_ptr<common::SingleInstance> instance_;
    QLabel* status_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* somenteLeitura_ = nullptr;
};

}  // namespace kivo
