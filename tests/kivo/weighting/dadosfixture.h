#pragma once

// What the comparison screen tests share: a fresh CONTROLE.mdb in the program's folder, held open
// as the program holds it; criteria and stored comparisons set straight in the table; the screen
// loaded as the menu opens it; and the user's clicks on the grid.

#include "kivo/shell/database.h"
#include "kivo/shell/idioma.h"
#include "kivo/weighting/frmDados.h"
#include "kivo/weighting/gradedados.h"

#include "common/formats.h"
#include "common/picturebox.h"
#include "common/widgets.h"
#include "tests/support/testsupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using testsupport::lastMessage;
using testsupport::named;

struct DadosFixture {
    testsupport::Folder folder;
    kivo::Programa programa;

    DadosFixture()
    {
        kivo::createDatabase(folder.file(QStringLiteral("CONTROLE.mdb")));
        programa.pasta = folder.path();
        programa.db.open(folder.file(QStringLiteral("CONTROLE.mdb")), QStringLiteral(";pwd=PanoRoxo"));
    }

    // The program speaks Portuguese again after each test.
    ~DadosFixture() { kivo::instalaIdioma(kivo::Portugues); }

    // The program in language `idioma`, as the information screen leaves it.
    void falaIdioma(short idioma)
    {
        programa.idioma = idioma;
        kivo::instalaIdioma(idioma);
    }

    void execute(const QString& sql, const QVariantList& params = {}) { programa.db.execute(sql, params); }

    // The count and the names of the first criteria.
    void criterios(const QStringList& nomes)
    {
        execute(QStringLiteral("UPDATE Criterios SET Qtde = ?"), {nomes.size()});
        for (int k = 0; k < nomes.size(); ++k)
            execute(QStringLiteral("UPDATE Criterios SET Identifica = ? WHERE Numero = ?"), {nomes[k], k + 1});
    }

    // M[r][c] stored as it is, without its mirror.
    void compara(int r, int c, double valor)
    {
        execute(QStringLiteral("UPDATE Criterios SET %1 = ? WHERE Numero = ?").arg(kivo::numbered("N", c)), {valor, r});
    }

    // One field of the stored rows, read afresh; "<null>" for a null.
    QStringList stored(const QString& field, int rows = 15)
    {
        QStringList out;
        common::Recordset rs = common::Recordset::openTable(programa.db, QStringLiteral("Criterios"));
        for (rs.moveFirst(); !rs.eof() && out.size() < rows; rs.moveNext())
            out << (rs.value(field).isNull() ? QStringLiteral("<null>") : rs.text(field));
        return out;
    }

    std::unique_ptr<kivo::frmDados> load()
    {
        auto frm = std::make_unique<kivo::frmDados>(programa);
        if (!frm->Form_Load())
            qWarning("the comparison screen refused to open");
        return frm;
    }
};

inline QTableView* grid(QWidget* screen)
{
    return named<QTableView>(screen, "MSFlexGrid1");
}
inline kivo::GradeDados& cells(kivo::frmDados* screen)
{
    return screen->grade();
}
inline QString cell(kivo::frmDados* screen, int row, int col)
{
    return screen->grade().texto(row, col);
}
inline QRadioButton* option(QWidget* screen, int k)
{
    return named<QRadioButton>(screen, QStringLiteral("opt%1").arg(k));
}
inline common::PictureBox* banner(QWidget* screen, int k)
{
    return named<common::PictureBox>(screen, common::arrayName(QStringLiteral("picLogo"), k));
}

// A real mouse click on a grid cell.
inline void clickCell(QWidget* screen, int row, int col)
{
    QTableView* view = grid(screen);
    const QRect rect = view->visualRect(view->model()->index(row, col));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

// Answers the pair of criteria r < c (counted from 1) with option k (0: none), as the user does.
inline void answer(kivo::frmDados* screen, int r, int c, int k)
{
    clickCell(screen, r - 1, c);
    if (k > 0)
        QTest::mouseClick(option(screen, k), Qt::LeftButton, {}, QPoint(6, option(screen, k)->height() / 2));
    named<QPushButton>(screen, "cmdGravar")->click();
}
