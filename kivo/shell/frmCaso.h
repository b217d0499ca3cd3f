#pragma once

#include "kivo/shell/kivo.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kivo {

// The case's name and its goal (or the undesired symptom it treats), one line each, as the report
// prints them.
class frmCaso : public QDialog {
    Q_OBJECT
public:
    explicit frmCaso(Programa& programa, QWidget* parent = nullptr);

    // The name and goal stored in the case (the file's base name when no
    // name was ever saved).
    void Form_Load();
    // Stores both lines in the case and closes.
    void cmdGravar_Click();
    // Closes; when a line was changed, asks first (No keeps the screen open).
    void cmdSair_Click();

protected:
    void reject() override;
    void changeEvent(QEvent* event) override;

private:
    bool alterado() const;
    void retranslate();

    Programa& programa_;
    QString nome_;
    QString objetivo_;
    bool saindo_ = false;
    QLineEdit* txtNome_ = nullptr;
    QLineEdit* txtObjetivo_ = nullptr;
    QPushButton* cmdGravar_ = nullptr;
    QPushButton* cmdSair_ = nullptr;
};

}  // namespace kivo
