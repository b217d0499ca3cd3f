#pragma once

// What the list screen tests share: a fresh CONTROLE.mdb held open as the program holds it, the
// stored rows, either screen loaded as the menu opens it, a modal window played instead of waited
// on, and the vertical layout rule.

#include "kivo/lists/alternativas.h"
#include "kivo/lists/criterios.h"
#include "kivo/shell/database.h"
#include "kivo/shell/idioma.h"

#include "common/formats.h"
#include "common/widgets.h"
#include "tests/support/testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

using testsupport::lastMessage;
using testsupport::named;

struct ListFixture {
    testsupport::Folder folder;
    kivo::Programa programa;

    ListFixture()
    {
        kivo::createDatabase(folder.file(QStringLiteral("CONTROLE.mdb")));
        programa.db.open(folder.file(QStringLiteral("CONTROLE.mdb")), QStringLiteral(";pwd=PanoRoxo"));
    }

    // The program speaks Portuguese again after each test.
    ~ListFixture() { kivo::instalaIdioma(kivo::Portugues); }

    // The program in language `idioma`, as the information screen leaves it.
    void falaIdioma(short idioma)
    {
        programa.idioma = idioma;
        kivo::instalaIdioma(idioma);
    }

    void execute(const QString& sql, const QVariantList& params = {}) { programa.db.execute(sql, params); }

    // One field of every stored row, read afresh; "<null>" for a null.
    QStringList stored(const QString& table, const QString& field)
    {
        QStringList out;
        common::Recordset rs = common::Recordset::openTable(programa.db, table);
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            out << (rs.value(field).isNull() ? QStringLiteral("<null>") : rs.text(field));
        return out;
    }

    // "frmAlternativas" or "frmCriterios", loaded.
    std::unique_ptr<QDialog> load(const QString& screen)
    {
        if (screen == QLatin1String("frmAlternativas")) {
            auto frm = std::make_unique<kivo::frmAlternativas>(programa);
            frm->Form_Load();
            return frm;
        }
        auto frm = std::make_unique<kivo::frmCriterios>(programa);
        frm->Form_Load();
        return frm;
    }
};

// Element `i` of a control array.
template <typename T>
T* at(QObject* screen, const char* array, int i)
{
    return named<T>(screen, common::arrayName(QLatin1String(array), i));
}

// Runs `action`; the modal window it opens is handed to `what` in place of the user, and returns
// what `what` noted of it. The window ends with the result `what` left (rejected if untouched).
// A test using this resets the modal handler in its cleanup(), in case it failed half way.
inline QStringList whileOpen(const std::function<void()>& action, const std::function<QStringList(QDialog&)>& what)
{
    QStringList seen;
    common::Modal::setTestHandler([&](QDialog& dialog) {
        seen += what(dialog);
        return dialog.result();
    });
    action();
    common::Modal::setTestHandler({});
    return seen;
}

inline QLineEdit* qtdeBox(QObject* screen)
{
    return named<QLineEdit>(screen, "txtQtde");
}

// Types `text` into the count box and leaves it.
inline void typeCount(QDialog* screen, const QString& text)
{
    qtdeBox(screen)->setText(text);
    if (auto* alternativas = qobject_cast<kivo::frmAlternativas*>(screen))
        alternativas->txtQtde_LostFocus();
    else
        qobject_cast<kivo::frmCriterios*>(screen)->txtQtde_LostFocus();
}

// Rows 0 to n-1 shown from 1500 twips down, 375 apart, the others hidden; the buttons at the final
// position (cmdAjuda 100 below it) and the window ending 240 below the lowest button.
inline void verifyLayout(QWidget* screen, int n)
{
    const bool criterios = screen->objectName() == QLatin1String("frmCriterios");
    const QList<const char*> arrays = criterios ? QList<const char*>{"Label1", "txtIdentifica", "txtSinal", "lblPeso"}
                                                : QList<const char*>{"Label1", "txtAlternativa"};
    for (int i = 0; i < 15; ++i)
        for (const char* array : arrays) {
            QWidget* w = at<QWidget>(screen, array, i);
            QCOMPARE(w->isVisibleTo(screen), i < n);
            if (i < n && array[0] == 't')
                QCOMPARE(w->y(), common::twips(1500 + 375 * i));
        }
    const int final = 1500 + 375 * n;
    QCOMPARE(named<QPushButton>(screen, "cmdSair")->y(), common::twips(final));
    QCOMPARE(named<QPushButton>(screen, "cmdLimpar")->y(), common::twips(final));
    if (criterios)
        QCOMPARE(named<QPushButton>(screen, "cmdAjuda")->y(), common::twips(final + 100));
    // No empty band below the buttons: a margin under the lowest one.
    QCOMPARE(screen->height(), common::twips(final + (criterios ? 100 : 0) + 495 + 240));
}
