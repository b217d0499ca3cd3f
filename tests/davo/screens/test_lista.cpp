#include "davo/data/database.h"
#include "davo/screens/frmAtividadesGUT.h"
#include "davo/screens/frmHistorico.h"
#include "davo/screens/gradeatividades.h"

#include "common/clock.h"
#include "common/formats.h"
#include "common/maskeddatebox.h"
#include "common/picturebox.h"
#include "common/widgets.h"
#include "tests/davo/davofixture.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>

#include <sqlite3.h>

using davo::GradeAtividades;
using testsupport::named;
using testsupport::Today;

namespace {

struct Atividade {
    QString nome;
    int dias = 10;  // deadline, days from today
    double gut = 8;
    double g = 2;
    double horasEst = 30;
    double horasTrab = 0;
    QString ativo = QStringLiteral("1");
    double t = 4;
    double u = 1;
};

}  // namespace

class TestLista : public QObject {
    Q_OBJECT

    std::unique_ptr<DavoFixture> f_;

    // Stores an activity as the new-activity screen leaves it; the list's pass brings its
    // figures up to date.
    void adiciona(const Atividade& a)
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.addNew();
        rs.setValue("Ativo", a.ativo);
        rs.setValue("GUT", a.gut);
        rs.setValue("Atividade", a.nome);
        rs.setValue("G", a.g);
        rs.setValue("U", a.u);
        rs.setValue("T", a.t);
        rs.setValue("DataFinal", Today.addDays(a.dias));
        rs.setValue("FaltamDias", 1);
        rs.setValue("TempoDisp", 6);
        rs.setValue("HorasEst", a.horasEst);
        rs.setValue("HorasTrab", a.horasTrab);
        rs.setValue("HorasQFaltam", std::max(0.0, a.horasEst - a.horasTrab));
        rs.setValue("HorasTrabDia", 0);
        rs.update();
    }

    common::Recordset registro(const QString& nome)
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        for (; !rs.eof(); rs.moveNext())
            if (rs.text("Atividade") == nome)
                return rs;
        return rs;
    }

    static QStringList descricoes(davo::frmAtividadesGUT& tela)
    {
        QStringList out;
        for (int r = 0; r < tela.grade().rowCount(); ++r) {
            const QString t = tela.grade().index(r, GradeAtividades::ColunaAtividade).data().toString();
            if (!t.isEmpty())
                out << t;
        }
        return out;
    }

    static QString celula(davo::frmAtividadesGUT& tela, int row, int column)
    {
        return tela.grade().index(row, column).data().toString();
    }

    static void clica(davo::frmAtividadesGUT& tela, int row)
    {
        auto* grid = named<QTableView>(&tela, "MSFlexGrid1");
        grid->setCurrentIndex(tela.grade().index(row, GradeAtividades::ColunaAtividade));
        tela.MSFlexGrid1_Click();
    }

    // Whether the banner tile of heading k has been painted (a blank surface is all one colour).
    static bool titulo(davo::frmAtividadesGUT& tela, int k)
    {
        auto* pic = named<common::PictureBox>(&tela, common::arrayName("picLogo", k));
        const QImage& image = pic->image();
        return !image.isNull() && image.pixel(0, image.height() - 1) != image.pixel(0, 0);
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void init() { testsupport::startTest(f_); }

    void cleanup() { testsupport::endTest(f_); }

    void the_list_is_in_priority_order()
    {
        // The score is today's: G × T × U, U from 10 hours in 30 available (2) or 30 in 30 (4).
        adiciona({.nome = "mais horas por dia", .dias = 5, .gut = 12, .g = 1.5, .horasEst = 30, .t = 2});  // 12
        adiciona({.nome = "menos GUT", .dias = 5, .gut = 8, .g = 2, .horasEst = 30, .t = 1});              // 8
        adiciona({"atrasada", -2});
        adiciona({"hoje", 0});
        adiciona({.nome = "mais GUT", .dias = 5, .gut = 12, .g = 2, .horasEst = 10, .t = 3});         // 12
        adiciona({.nome = "gravidade maior", .dias = 5, .gut = 12, .g = 3, .horasEst = 10, .t = 2});  // 12
        adiciona({"concluída", -5, 100, 2, 30, 0, "0"});
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        QCOMPARE(descricoes(tela),
                 QStringList({"atrasada", "hoje", "mais GUT", "gravidade maior", "mais horas por dia", "menos GUT"}));
        QCOMPARE(tela.QtdeAtividades(), 6);
        // The pass has brought the figures up to date: today's deadline counts 0.4 days and 3 hours.
        QCOMPARE(celula(tela, 1, 8), QStringLiteral("0,4"));
        QCOMPARE(celula(tela, 1, 9), QStringLiteral("3"));
        QCOMPARE(celula(tela, 1, 13), QStringLiteral("75,0"));
        QCOMPARE(celula(tela, 0, 8), QStringLiteral("-2"));
        QCOMPARE(celula(tela, 0, 7), Today.addDays(-2).toString("dd/MM/yyyy"));
    }

    void the_load_and_columns_follow_the_locale()
    {
        adiciona({"a", 4, 8, 2, 10});  // 2.5 hours a day
        adiciona({"b", 1, 8, 2, 3.7});
        common::setUserLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        QCOMPARE(celula(tela, 0, 13), QStringLiteral("3.7"));
        QCOMPARE(celula(tela, 1, 13), QStringLiteral("2.5"));
        auto* carga = named<QLabel>(&tela, "lblCargaH");
        QCOMPARE(carga->text(), QStringLiteral("6.2"));
        QCOMPARE(carga->palette().color(QPalette::Window), QColor(255, 0, 0));
    }

    void the_deadline_column_shows_the_system_short_date()
    {
        adiciona({"a", 4});
        common::setUserLocale(QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("MM/dd/yyyy"));
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        QCOMPARE(celula(tela, 0, 7), Today.addDays(4).toString("MM/dd/yyyy"));
    }

    void an_empty_list_then_a_first_activity()
    {
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        QVERIFY(descricoes(tela).isEmpty());
        QCOMPARE(tela.grade().rowCount(), 20);
        QVERIFY(named<QLabel>(&tela, "lblCargaH")->text().isEmpty());
        QVERIFY(!titulo(tela, 1));

        common::Modal::setTestHandler([this](QDialog& dialog) {
            // The new-activity screen stores its activity and closes.
            if (dialog.objectName() == QLatin1String("frmNovaAtiv"))
                adiciona({"primeira", 2, 8, 2, 12});
            return int(QDialog::Accepted);
        });
        tela.cmdNovaAtiv_Click();
        QCOMPARE(celula(tela, 0, GradeAtividades::ColunaAtividade), QStringLiteral("primeira"));
        QCOMPARE(celula(tela, 0, 13), QStringLiteral("6,0"));
        QVERIFY(!celula(tela, 0, 0).isEmpty());
        QCOMPARE(named<QLabel>(&tela, "lblCargaH")->text(), QStringLiteral("6,0"));
        QVERIFY(named<QLabel>(&tela, "lblCargaH")->palette().color(QPalette::Window) != QColor(255, 0, 0));
        QVERIFY(titulo(tela, 1) && titulo(tela, 13));

        // Finished, the only activity leaves the list: the load reads nothing, not an empty label.
        clica(tela, 0);
        named<QCheckBox>(&tela, "chkFim")->setChecked(true);
        tela.cmdGravar_Click();
        QVERIFY(descricoes(tela).isEmpty());
        QCOMPARE(tela.QtdeAtividades(), 0);
        QCOMPARE(tela.grade().rowCount(), 20);
        QCOMPARE(named<QLabel>(&tela, "lblCargaH")->text(), QStringLiteral("0,0"));
        QVERIFY(!named<QWidget>(&tela, "Frame2")->isVisibleTo(&tela));
        QVERIFY(!named<QTableView>(&tela, "MSFlexGrid1")->currentIndex().isValid());
    }

    void many_activities_grow_the_grid_and_the_first_six_stand_out()
    {
        for (int i = 1; i <= 25; ++i)
            adiciona({QStringLiteral("atividade %1").arg(i), i});
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        QCOMPARE(tela.grade().rowCount(), 26);
        QVERIFY(titulo(tela, 6));
        const QColor dica = common::systemColour(0x80000018);
        for (int row : {0, 5}) {
            for (int column : {6, 7, 10, 11}) {
                QVERIFY(tela.grade().negrito(row, column));
                QCOMPARE(tela.grade().fundo(row, column), dica);
            }
        }
        QVERIFY(!tela.grade().negrito(6, 6));
        QCOMPARE(tela.grade().fundo(6, 6), QColor(Qt::white));
        for (int column : {1, 2, 4, 8, 9, 12, 13})
            QCOMPARE(tela.grade().fundo(24, column), GradeAtividades::VerdeClaro);
        QCOMPARE(tela.grade().fundo(25, 1), QColor(Qt::white));  // the row after the last activity
        QCOMPARE(tela.grade().index(3, 6).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
        QCOMPARE(tela.grade().index(3, 7).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    }

    void selecting_rows_moves_the_yellow_cell()
    {
        for (int i = 1; i <= 8; ++i)
            adiciona({QStringLiteral("atividade %1").arg(i), i, 8, 2, 10, 2});
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        QVERIFY(!named<QWidget>(&tela, "Frame2")->isVisibleTo(&tela));
        clica(tela, 7);
        QCOMPARE(tela.grade().fundo(7, 6), GradeAtividades::Amarelo);
        QVERIFY(named<QWidget>(&tela, "Frame2")->isVisibleTo(&tela));
        QVERIFY(named<QWidget>(&tela, "cmdGravar")->isVisibleTo(&tela));
        QCOMPARE(named<common::MaskedDateBox>(&tela, "mskDtFinal")->Text(), Today.addDays(8).toString("dd/MM/yyyy"));
        QCOMPARE(named<QLineEdit>(&tela, "txtHorasEst")->text(), QStringLiteral("10"));
        QCOMPARE(named<QLabel>(&tela, "lblHorasJaTrab")->text(), QStringLiteral("2"));
        QVERIFY(named<QLineEdit>(&tela, "txtHorasJaTrab")->text().isEmpty());
        clica(tela, 6);
        QCOMPARE(tela.grade().fundo(7, 6), QColor(Qt::white));
        QCOMPARE(tela.grade().fundo(6, 6), GradeAtividades::Amarelo);
    }

    // Leaving by Esc, the close button or "&Voltar" asks before the panel's unsaved edits are lost,
    // No the default; a panel as it was loaded leaves at once.
    void leaving_asks_before_the_panels_edits_are_lost()
    {
        adiciona({"única", 3, 8, 2, 10});
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        clica(tela, 0);
        QTest::keyClicks(named<QLineEdit>(&tela, "txtHorasJaTrab"), QStringLiteral("3"));
        QTest::keyClick(&tela, Qt::Key_Escape);  // answered No
        QVERIFY(tela.isVisible());
        QCOMPARE(testsupport::shownTitles(), QStringList{"Descartar alterações?"});
        QCOMPARE(testsupport::lastMessage().defaultButton, QMessageBox::No);
        QCOMPARE(named<QLineEdit>(&tela, "txtHorasJaTrab")->text(), QStringLiteral("3"));
        QVERIFY(!tela.close());
        common::Messages::answerNext(QMessageBox::Yes);
        QTest::mouseClick(named<QPushButton>(&tela, "Command1"), Qt::LeftButton);
        QVERIFY(!tela.isVisible());
        QCOMPARE(registro("única").value("HorasTrab").toDouble(), 0.0);  // nothing booked

        common::Messages::clearShown();
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        named<QLineEdit>(&tela, "txtHorasJaTrab")->clear();
        clica(tela, 0);
        QTest::keyClick(&tela, Qt::Key_Escape);
        QVERIFY(!tela.isVisible());
        QVERIFY(common::Messages::shown().isEmpty());
    }

    void a_click_on_an_empty_row_selects_nothing()
    {
        adiciona({"única", 3, 8, 2, 10});
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        clica(tela, 0);
        named<QPlainTextEdit>(&tela, "txtObs")->setPlainText("não deve ser gravado");
        clica(tela, 5);
        QVERIFY(!named<QWidget>(&tela, "Frame2")->isVisibleTo(&tela));
        QVERIFY(!named<QWidget>(&tela, "cmdGravar")->isVisibleTo(&tela));
        tela.cmdGravar_Click();
        QVERIFY(registro("única").value("Obs").isNull());
        QVERIFY(common::Messages::shown().isEmpty());
    }

    // A file that takes no write: the list still opens on the figures last stored and says so once;
    // a save through its button is refused with the cause and the file, the screen kept as typed.
    void a_file_that_takes_no_write_keeps_the_list_and_what_was_typed()
    {
        adiciona({"relatório", 10, 8, 2, 30, 5});  // stored with 1 day left; today's pass makes it 10
        const QString arquivo = f_->folder.file(QStringLiteral("DAVO.mdb"));
        sqlite3* outro = nullptr;
        QCOMPARE(sqlite3_open_v2(arquivo.toUtf8().constData(), &outro, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_exec(outro, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        f_->programa.db.setBusyTimeout(50);
        const QByteArray antes = testsupport::fileBytes(arquivo);

        davo::frmAtividadesGUT tela(f_->programa);
        QVERIFY(common::runGuarded([&] { tela.Form_Load(); }));
        QCOMPARE(celula(tela, 0, GradeAtividades::ColunaAtividade), QStringLiteral("relatório"));
        QCOMPARE(celula(tela, 0, 8), QStringLiteral("1"));
        QCOMPARE(common::Messages::shown().size(), 1);
        QCOMPARE(testsupport::lastMessage().icon, QMessageBox::Warning);
        QCOMPARE(testsupport::lastMessage().title, QStringLiteral("Prazos não atualizados!"));
        QVERIFY(testsupport::lastMessage().text.startsWith(
            QStringLiteral("Outro programa está usando %1: não foi possível gravar nele.").arg(arquivo)));
        QCOMPARE(testsupport::fileBytes(arquivo), antes);
        sqlite3_exec(outro, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(outro);

        // A full disk: a long observation needs room the file no longer has.
        f_->programa.db.execute(QStringLiteral("PRAGMA max_page_count = %1").arg(QFileInfo(arquivo).size() / 4096));
        tela.show();
        clica(tela, 0);
        const QString obs = QString(20000, QLatin1Char('o'));
        named<QPlainTextEdit>(&tela, "txtObs")->setPlainText(obs);
        named<QLineEdit>(&tela, "txtHorasJaTrab")->setText("2");
        common::Messages::clearShown();
        const QByteArray cheio = testsupport::fileBytes(arquivo);
        QTest::mouseClick(named<QPushButton>(&tela, "cmdGravar"), Qt::LeftButton);
        QVERIFY(!common::Exit::requested());
        QCOMPARE(testsupport::shownTitles(), QStringList{QStringLiteral("Disco cheio!")});
        QCOMPARE(testsupport::lastMessage().text,
                 QStringLiteral("O disco está cheio: não foi possível gravar em %1. Nada foi alterado; libere espaço e "
                                "tente de novo.")
                     .arg(arquivo));
        QCOMPARE(testsupport::fileBytes(arquivo), cheio);
        QCOMPARE(registro("relatório").value("HorasTrab").toDouble(), 5.0);
        QVERIFY(tela.isVisible());
        QCOMPARE(named<QPlainTextEdit>(&tela, "txtObs")->toPlainText(), obs);
        QCOMPARE(named<QLineEdit>(&tela, "txtHorasJaTrab")->text(), QStringLiteral("2"));

        // Room again: the same press saves what was typed.
        f_->programa.db.execute(QStringLiteral("PRAGMA max_page_count = 1000000"));
        QTest::mouseClick(named<QPushButton>(&tela, "cmdGravar"), Qt::LeftButton);
        QCOMPARE(registro("relatório").value("HorasTrab").toDouble(), 7.0);
        QCOMPARE(registro("relatório").text("Obs"), obs);
    }

    void booking_hours_updates_the_hours_still_to_work()
    {
        adiciona({"relatório", 10, 8, 2, 30, 5});
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        clica(tela, 0);
        named<QLineEdit>(&tela, "txtHorasJaTrab")->setText("2");
        named<QPlainTextEdit>(&tela, "txtObs")->setPlainText("faltam os anexos");
        tela.cmdGravar_Click();
        common::Recordset rs = registro("relatório");
        QCOMPARE(rs.value("HorasTrab").toDouble(), 7.0);
        QCOMPARE(rs.value("HorasQFaltam").toDouble(), 23.0);
        QCOMPARE(rs.value("HorasTrabDia").toDouble(), 2.3);
        QCOMPARE(rs.text("Obs"), QStringLiteral("faltam os anexos"));
        QCOMPARE(celula(tela, 0, 11), QStringLiteral("7"));
        QCOMPARE(celula(tela, 0, 12), QStringLiteral("23"));
        QCOMPARE(celula(tela, 0, 13), QStringLiteral("2,3"));
        QVERIFY(!named<QWidget>(&tela, "Frame3")->isVisibleTo(&tela));

        // A smaller estimate than the hours worked leaves nothing to do.
        clica(tela, 0);
        named<QLineEdit>(&tela, "txtHorasEst")->setText("6,5");
        tela.cmdGravar_Click();
        rs = registro("relatório");
        QCOMPARE(rs.value("HorasEst").toDouble(), 6.5);
        QCOMPARE(rs.value("HorasQFaltam").toDouble(), 0.0);
        QCOMPARE(rs.value("HorasTrabDia").toDouble(), 0.0);
    }

    void a_rejected_deadline_keeps_the_stored_one_and_saves_the_rest()
    {
        adiciona({"prazo", 10, 8, 2, 30});
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        clica(tela, 0);
        named<common::MaskedDateBox>(&tela, "mskDtFinal")->setText(Today.addDays(-1).toString("dd/MM/yyyy"));
        named<QLineEdit>(&tela, "txtHorasEst")->setText("40");
        tela.cmdGravar_Click();
        QCOMPARE(testsupport::lastMessage().title, QStringLiteral("Data Final incompatível!"));
        QCOMPARE(testsupport::lastMessage().text,
                 QStringLiteral("Data Final não pode ser anterior da data de hoje, e nesse caso não será alterada."));
        common::Recordset rs = registro("prazo");
        QCOMPARE(rs.value("DataFinal").toDate(), Today.addDays(10));
        QCOMPARE(rs.value("HorasEst").toDouble(), 40.0);

        clica(tela, 0);
        named<common::MaskedDateBox>(&tela, "mskDtFinal")->setText("31/02/2027");
        tela.cmdGravar_Click();
        QCOMPARE(testsupport::lastMessage().text,
                 QStringLiteral("Data Final não válida e nesse caso não será alterada."));
        QCOMPARE(registro("prazo").value("DataFinal").toDate(), Today.addDays(10));

        clica(tela, 0);
        named<common::MaskedDateBox>(&tela, "mskDtFinal")->setText(Today.addDays(20).toString("dd/MM/yyyy"));
        tela.cmdGravar_Click();
        QCOMPARE(registro("prazo").value("DataFinal").toDate(), Today.addDays(20));
        QCOMPARE(registro("prazo").value("FaltamDias").toDouble(), 20.0);
    }

    void finishing_moves_an_activity_to_the_history_and_back()
    {
        for (int i = 1; i <= 7; ++i)
            adiciona({QStringLiteral("atividade %1").arg(i), i, 8, 2, 6});  // 6/i hours a day
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        QCOMPARE(named<QLabel>(&tela, "lblCargaH")->text(), QStringLiteral("14,7"));
        clica(tela, 0);
        named<QCheckBox>(&tela, "chkFim")->setChecked(true);
        tela.cmdGravar_Click();
        QVERIFY(!descricoes(tela).contains("atividade 1"));
        QCOMPARE(tela.QtdeAtividades(), 6);
        QCOMPARE(named<QLabel>(&tela, "lblCargaH")->text(), QStringLiteral("9,6"));
        QVERIFY(!named<QCheckBox>(&tela, "chkFim")->isChecked());
        QCOMPARE(registro("atividade 1").text("Ativo"), QStringLiteral("0"));

        // Days later it is reopened from the history, and counted again from that day.
        common::Clock::setTestDate(Today.addDays(3));
        davo::frmHistorico historico(f_->programa);
        historico.Form_Load();
        QCOMPARE(historico.Data1().rowCount(), 1);
        auto* grid = named<QTableView>(&historico, "DBGrid1");
        grid->setCurrentIndex(historico.Data1().index(0, 3));
        historico.DBGrid1_Click();
        QVERIFY(named<QWidget>(&historico, "Frame1")->isVisibleTo(&historico));
        QVERIFY(!named<QWidget>(&historico, "cmdGravar")->isVisibleTo(&historico));
        historico.chkFim_Click();
        QVERIFY(named<QWidget>(&historico, "cmdGravar")->isVisibleTo(&historico));
        historico.cmdGravar_Click();
        QCOMPARE(historico.Data1().rowCount(), 0);
        QVERIFY(!named<QWidget>(&historico, "Frame1")->isVisibleTo(&historico));

        davo::frmAtividadesGUT again(f_->programa);
        again.Form_Load();
        QCOMPARE(again.QtdeAtividades(), 7);
        common::Recordset rs = registro("atividade 1");
        QCOMPARE(rs.value("FaltamDias").toDouble(), -2.0);
        QCOMPARE(rs.value("TempoDisp").toDouble(), -12.0);
        QCOMPARE(descricoes(again).first(), QStringLiteral("atividade 1"));
    }

    void the_score_follows_the_clock_and_the_booked_hours()
    {
        // Stored as the new-activity screen leaves them: 30 of the 60 hours available, U 3.
        adiciona({.nome = "nossa", .dias = 10, .gut = 18, .g = 2, .horasEst = 30, .t = 3, .u = 3});
        // Every hour worked: U 1, a score of 20.
        adiciona({.nome = "outra", .dias = 10, .gut = 20, .g = 5, .horasEst = 8, .horasTrab = 8, .t = 4});
        {
            davo::frmAtividadesGUT tela(f_->programa);
            tela.Form_Load();
            QCOMPARE(descricoes(tela), QStringList({"outra", "nossa"}));
            QCOMPARE(celula(tela, 1, 4), QStringLiteral("3"));
            QCOMPARE(celula(tela, 1, 2), QStringLiteral("18"));
        }

        // Nine days on, the 30 hours must fit in the 6 left.
        common::Clock::setTestDate(Today.addDays(9));
        davo::frmAtividadesGUT tela(f_->programa);
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        tela.Form_Load();
        QCOMPARE(descricoes(tela), QStringList({"nossa", "outra"}));
        QCOMPARE(celula(tela, 0, 4), QStringLiteral("5"));
        QCOMPARE(celula(tela, 0, 2), QStringLiteral("30"));
        QCOMPARE(celula(tela, 1, 4), QStringLiteral("1"));

        // Booking 28 of the 30 hours, by mouse and keyboard, lowers the urgency at once.
        auto* grid = named<QTableView>(&tela, "MSFlexGrid1");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(tela.grade().index(0, GradeAtividades::ColunaAtividade)).center());
        QVERIFY(named<QWidget>(&tela, "Frame3")->isVisible());
        auto* horas = named<QLineEdit>(&tela, "txtHorasJaTrab");
        horas->setFocus();
        QTest::keyClicks(horas, QStringLiteral("28"));
        QTest::keyClick(&tela, Qt::Key_G, Qt::AltModifier);  // the access key clicks after its animation
        QTRY_VERIFY(!named<QWidget>(&tela, "Frame3")->isVisible());
        common::Recordset rs = registro("nossa");
        QCOMPARE(rs.value("HorasQFaltam").toDouble(), 2.0);
        QCOMPARE(rs.value("U").toInt(), 2);
        QCOMPARE(rs.value("GUT").toDouble(), 12.0);
        QCOMPARE(descricoes(tela), QStringList({"outra", "nossa"}));
        QCOMPARE(celula(tela, 1, 4), QStringLiteral("2"));
    }

    void hours_below_zero_are_refused_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("estimadas");
        QTest::addColumn<QString>("trabalhadas");
        QTest::addColumn<QStringList>("titulos");
        QTest::addColumn<QString>("foco");
        const QString est("Horas Estimadas incorretas!"), trab("Horas Já Trab. incorretas!");
        QTest::newRow("booked, pt_BR") << "pt_BR"
                                       << "30"
                                       << "-10" << QStringList{trab} << "txtHorasJaTrab";
        QTest::newRow("estimate, pt_BR") << "pt_BR"
                                         << "-1,5"
                                         << "2" << QStringList{est} << "txtHorasEst";
        QTest::newRow("both, en_US") << "en_US"
                                     << "-2.5"
                                     << "-0.5" << QStringList{est, trab} << "txtHorasEst";
        // Hours that are no number book nothing, and say so instead of closing as if saved.
        QTest::newRow("not a number, pt_BR") << "pt_BR"
                                             << "30"
                                             << "1.5" << QStringList{trab} << "txtHorasJaTrab";
        QTest::newRow("not a number, en_US") << "en_US"
                                             << "30"
                                             << "1,5" << QStringList{trab} << "txtHorasJaTrab";
        QTest::newRow("letters") << "pt_BR"
                                 << "30"
                                 << "2h" << QStringList{trab} << "txtHorasJaTrab";
    }

    void hours_below_zero_are_refused()
    {
        QFETCH(QString, locale);
        QFETCH(QString, estimadas);
        QFETCH(QString, trabalhadas);
        QFETCH(QStringList, titulos);
        QFETCH(QString, foco);
        common::setUserLocale(QLocale(locale));
        adiciona({.nome = "relatório", .dias = 10, .horasEst = 30, .horasTrab = 5});
        davo::frmAtividadesGUT tela(f_->programa);
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        tela.Form_Load();
        clica(tela, 0);
        named<QLineEdit>(&tela, "txtHorasEst")->setText(estimadas);
        named<QLineEdit>(&tela, "txtHorasJaTrab")->setText(trabalhadas);
        named<QPlainTextEdit>(&tela, "txtObs")->setPlainText("não deve ser gravado");
        named<common::MaskedDateBox>(&tela, "mskDtFinal")->setText(Today.addDays(20).toString("dd/MM/yyyy"));
        named<QCheckBox>(&tela, "chkFim")->setChecked(true);
        const QStringList antes = testsupport::databaseContents(f_->programa.db);
        QTest::mouseClick(named<QPushButton>(&tela, "cmdGravar"), Qt::LeftButton);

        QCOMPARE(testsupport::shownTitles(), titulos);
        QCOMPARE(testsupport::databaseContents(f_->programa.db), antes);
        QCOMPARE(common::Messages::shown().first().text.endsWith(
                     "igual ou maior que zero, para depois poder salvar a nova tarefa"),
                 true);
        common::Recordset rs = registro("relatório");
        QCOMPARE(rs.text("Ativo"), QStringLiteral("1"));
        QCOMPARE(rs.value("HorasEst").toDouble(), 30.0);
        QCOMPARE(rs.value("HorasTrab").toDouble(), 5.0);
        QCOMPARE(rs.value("HorasQFaltam").toDouble(), 25.0);
        QCOMPARE(rs.value("DataFinal").toDate(), Today.addDays(10));
        QVERIFY(rs.value("Obs").isNull());
        // The panel stays open on the box to correct.
        QVERIFY(named<QWidget>(&tela, "Frame3")->isVisible());
        QCOMPARE(QApplication::focusWidget()->objectName(), foco);
    }

    void a_new_selection_starts_unticked()
    {
        adiciona({"primeira", 2});
        adiciona({"segunda", 3});
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        auto* fim = named<QCheckBox>(&tela, "chkFim");
        clica(tela, 0);
        fim->setChecked(true);
        clica(tela, 1);
        QVERIFY(!fim->isChecked());
        tela.cmdGravar_Click();
        QCOMPARE(registro("segunda").text("Ativo"), QStringLiteral("1"));
        QCOMPARE(tela.QtdeAtividades(), 2);

        clica(tela, 0);
        fim->setChecked(true);
        clica(tela, 7);  // no activity there
        QVERIFY(!fim->isChecked());
    }

    void a_load_shown_as_six_is_not_above_the_limit()
    {
        // 0.2 + 4.9 + 0.9 hours a day, a sum a hair above 6.
        adiciona({.nome = "a", .dias = 1, .horasEst = 0.2});
        adiciona({.nome = "b", .dias = 2, .horasEst = 9.8});
        adiciona({.nome = "c", .dias = 4, .horasEst = 3.6});
        for (const char* locale : {"pt_BR", "en_US"}) {
            common::setUserLocale(QLocale(QLatin1String(locale)));
            davo::frmAtividadesGUT tela(f_->programa);
            tela.Form_Load();
            auto* carga = named<QLabel>(&tela, "lblCargaH");
            QCOMPARE(carga->text(), common::userLocale().toString(6.0, 'f', 1));
            QCOMPARE(carga->palette().color(QPalette::Window), common::systemColour(0x80000003));
        }
    }

    // Clicks a row of a grid with the mouse, in the given column.
    static void clicaCelula(QTableView* grid, int row, int column)
    {
        const QRect r = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    }

    // The panel follows the current row, however it moves, and a reload keeps the same activity
    // selected, found by its key; one no longer listed closes the panel.
    void the_selection_follows_the_current_row_and_survives_reloads()
    {
        adiciona({"alfa", 5, 8, 2, 11});
        adiciona({"beta", 10, 8, 2, 22});
        adiciona({"gama", 15, 8, 2, 33});
        davo::frmAtividadesGUT tela(f_->programa);
        tela.Form_Load();
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        auto* grid = named<QTableView>(&tela, "MSFlexGrid1");
        auto* est = named<QLineEdit>(&tela, "txtHorasEst");
        QVERIFY(!named<QWidget>(&tela, "Frame2")->isVisible());  // the focus selects nothing
        clicaCelula(grid, 0, GradeAtividades::ColunaAtividade);
        QCOMPARE(est->text(), QStringLiteral("11"));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(est->text(), QStringLiteral("22"));
        QCOMPARE(tela.grade().fundo(1, GradeAtividades::ColunaAtividade), GradeAtividades::Amarelo);
        QVERIFY(tela.grade().fundo(0, GradeAtividades::ColunaAtividade) != GradeAtividades::Amarelo);
        QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_PageUp);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(est->text(), QStringLiteral("22"));

        // A new activity comes first: the rows shift, beta stays selected where it now stands.
        common::Modal::setTestHandler([this](QDialog&) {
            adiciona({"urgente", 1, 8, 2, 44});
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(named<QPushButton>(&tela, "cmdNovaAtiv"), Qt::LeftButton);
        QCOMPARE(celula(tela, 2, GradeAtividades::ColunaAtividade), QStringLiteral("beta"));
        QCOMPARE(tela.grade().fundo(2, GradeAtividades::ColunaAtividade), GradeAtividades::Amarelo);
        QCOMPARE(grid->currentIndex().row(), 2);
        QVERIFY(named<QWidget>(&tela, "Frame2")->isVisible());
        QCOMPARE(est->text(), QStringLiteral("22"));
        const QStringList antes = testsupport::databaseContents(f_->programa.db);
        named<QLineEdit>(&tela, "txtHorasJaTrab")->setText(QStringLiteral("2"));
        QTest::mouseClick(named<QPushButton>(&tela, "cmdGravar"), Qt::LeftButton);
        QCOMPARE(registro("beta").value("HorasTrab").toDouble(), 2.0);
        for (const char* outra : {"alfa", "gama", "urgente"})
            QCOMPARE(registro(outra).value("HorasTrab").toDouble(), 0.0);
        QVERIFY(testsupport::databaseContents(f_->programa.db) != antes);

        // The selected activity finished elsewhere is no longer listed: the panel closes.
        clicaCelula(grid, 0, GradeAtividades::ColunaAtividade);
        QCOMPARE(est->text(), QStringLiteral("44"));
        common::Modal::setTestHandler([this](QDialog&) {
            f_->programa.db.execute("UPDATE Atividades SET Ativo = '0' WHERE Atividade = 'urgente'");
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(named<QPushButton>(&tela, "cmdNovaAtiv"), Qt::LeftButton);
        QVERIFY(!named<QWidget>(&tela, "Frame2")->isVisible());
        QVERIFY(!named<QWidget>(&tela, "cmdGravar")->isVisible());
    }

    // The history reopens the highlighted activity, wherever the arrows took it.
    void the_history_reopens_the_highlighted_row()
    {
        adiciona({"março", 90, 8, 2, 10, 0, "0"});
        adiciona({"maio", 150, 8, 2, 10, 0, "0"});
        adiciona({"abril", 120, 8, 2, 10, 0, "0"});
        davo::frmHistorico historico(f_->programa);
        historico.Form_Load();
        historico.show();
        QVERIFY(QTest::qWaitForWindowActive(&historico));
        QVERIFY(!named<QWidget>(&historico, "Frame1")->isVisible());
        auto* grid = named<QTableView>(&historico, "DBGrid1");
        clicaCelula(grid, 0, 3);  // maio
        QVERIFY(named<QWidget>(&historico, "Frame1")->isVisible());
        QTest::keyClick(grid, Qt::Key_Down);  // abril
        QTest::mouseClick(named<QCheckBox>(&historico, "chkFim"), Qt::LeftButton);
        QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);  // março: the tick does not follow
        QVERIFY(!named<QCheckBox>(&historico, "chkFim")->isChecked());
        QTest::keyClick(grid, Qt::Key_Up);  // abril
        QTest::mouseClick(named<QCheckBox>(&historico, "chkFim"), Qt::LeftButton);
        QStringList esperado = testsupport::databaseContents(f_->programa.db);
        QTest::mouseClick(named<QPushButton>(&historico, "cmdGravar"), Qt::LeftButton);
        QCOMPARE(registro("abril").text("Ativo"), QStringLiteral("1"));
        QCOMPARE(registro("maio").text("Ativo"), QStringLiteral("0"));
        QCOMPARE(registro("março").text("Ativo"), QStringLiteral("0"));
        const QStringList depois = testsupport::databaseContents(f_->programa.db);
        QCOMPARE(depois.size(), esperado.size());
        int mudadas = 0;
        for (int i = 0; i < depois.size(); ++i)
            mudadas += depois[i] != esperado[i];
        QCOMPARE(mudadas, 1);
        QCOMPARE(historico.Data1().rowCount(), 2);
        QVERIFY(!named<QWidget>(&historico, "Frame1")->isVisible());
    }

    void the_history_lists_the_latest_deadline_first()
    {
        adiciona({"março", 90, 8, 2, 10, 0, "0"});
        adiciona({"maio", 150, 8, 2, 10, 0, "0"});
        adiciona({"aberta", 30});
        davo::frmHistorico historico(f_->programa);
        historico.Form_Load();
        common::DataSource& data = historico.Data1();
        QCOMPARE(data.rowCount(), 2);
        QCOMPARE(data.columnCount(), 20);
        QCOMPARE(data.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Codigo"));
        QCOMPARE(data.headerData(19, Qt::Horizontal).toString(), QStringLiteral("Reserva4"));
        QCOMPARE(data.index(0, 3).data().toString(), QStringLiteral("maio"));
        QCOMPARE(data.index(1, 3).data().toString(), QStringLiteral("março"));
        QVERIFY(!(data.flags(data.index(0, 3)) & Qt::ItemIsEditable));
    }

    void tab_follows_the_reading_order_data()
    {
        QTest::addColumn<QString>("tela");
        QTest::addColumn<QStringList>("ordem");
        QTest::newRow("frmAtividadesGUT")
            << "frmAtividadesGUT"
            << QStringList{"MSFlexGrid1",    "cmdNovaAtiv", "cmdPlano",  "Command1",     "mskDtFinal", "txtHorasEst",
                           "txtHorasJaTrab", "chkFim",      "cmdGravar", "cmdReavaliar", "txtObs"};
        QTest::newRow("frmHistorico") << "frmHistorico"
                                      << QStringList{"DBGrid1", "txtObs", "chkFim", "cmdGravar", "Command1"};
    }

    void tab_follows_the_reading_order()
    {
        QFETCH(QString, tela);
        QFETCH(QStringList, ordem);
        adiciona({"primeira", 10});
        adiciona({"feita", 90, 8, 2, 10, 0, "0"});
        std::unique_ptr<QDialog> janela;
        if (tela == QLatin1String("frmAtividadesGUT")) {
            auto lista = std::make_unique<davo::frmAtividadesGUT>(f_->programa);
            lista->Form_Load();
            lista->show();
            QVERIFY(QTest::qWaitForWindowActive(lista.get()));
            clica(*lista, 0);
            janela = std::move(lista);
        } else {
            auto historico = std::make_unique<davo::frmHistorico>(f_->programa);
            historico->Form_Load();
            historico->show();
            QVERIFY(QTest::qWaitForWindowActive(historico.get()));
            clicaCelula(named<QTableView>(historico.get(), "DBGrid1"), 0, 3);
            QTest::mouseClick(named<QCheckBox>(historico.get(), "chkFim"), Qt::LeftButton);
            janela = std::move(historico);
        }
        QCOMPARE(testsupport::tabOrder(janela.get(), janela->findChild<QWidget*>(ordem.first())), ordem);
    }

    // The list and the history grow with their window, and open again at the size they were left.
    void the_list_and_the_history_grow_and_keep_their_size()
    {
        adiciona({"primeira", 10});
        for (const char* nome : {"MSFlexGrid1", "DBGrid1"}) {
            const bool lista = QLatin1String(nome) == QLatin1String("MSFlexGrid1");
            auto abre = [&]() -> std::unique_ptr<QDialog> {
                if (lista) {
                    auto tela = std::make_unique<davo::frmAtividadesGUT>(f_->programa);
                    tela->Form_Load();
                    return tela;
                }
                auto tela = std::make_unique<davo::frmHistorico>(f_->programa);
                tela->Form_Load();
                return tela;
            };
            std::unique_ptr<QDialog> tela = abre();
            QVERIFY(tela->windowFlags() & Qt::WindowMaximizeButtonHint);
            tela->show();
            QVERIFY(QTest::qWaitForWindowExposed(tela.get()));
            auto* grid = named<QTableView>(tela.get(), nome);
            const QSize antes = grid->size();
            tela->resize(tela->size() + QSize(200, 150));
            QTRY_COMPARE(grid->size(), antes + QSize(200, 150));
            if (lista) {
                // The description column takes the new width, and its heading follows it.
                const int coluna = GradeAtividades::ColunaAtividade;
                QCOMPARE(grid->columnWidth(coluna), common::twips(GradeAtividades::Larguras[coluna]) + 200);
                auto* pic = named<common::PictureBox>(tela.get(), common::arrayName("picLogo", coluna));
                QCOMPARE(pic->width(), grid->columnWidth(coluna));
                auto* depois = named<common::PictureBox>(tela.get(), common::arrayName("picLogo", coluna + 1));
                QCOMPARE(depois->x(), grid->columnViewportPosition(coluna + 1));
            }
            const QSize grande = tela->size();
            tela->close();
            tela = abre();
            QCOMPARE(tela->size(), grande);
        }
    }

    // Notes break at blanks; a word longer than the box breaks inside it.
    void notes_wrap_at_word_boundaries()
    {
        adiciona({"primeira", 10});
        davo::frmAtividadesGUT lista(f_->programa);
        lista.Form_Load();
        clica(lista, 0);
        davo::frmHistorico historico(f_->programa);
        for (QWidget* tela : {static_cast<QWidget*>(&lista), static_cast<QWidget*>(&historico)}) {
            auto* obs = named<QPlainTextEdit>(tela, "txtObs");
            QCOMPARE(obs->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
            QVERIFY(obs->tabChangesFocus());
        }
        // A note of 100,000 characters without a blank still opens.
        auto* obs = named<QPlainTextEdit>(&lista, "txtObs");
        obs->setPlainText(QString(100000, QLatin1Char('x')));
        lista.resize(800, 600);
        lista.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lista));
        QCOMPARE(obs->toPlainText().size(), 100000);
    }

    void an_empty_history_selects_nothing()
    {
        davo::frmHistorico historico(f_->programa);
        historico.Form_Load();
        QCOMPARE(historico.Data1().rowCount(), 0);
        historico.DBGrid1_Click();
        QVERIFY(!named<QWidget>(&historico, "Frame1")->isVisibleTo(&historico));
        historico.cmdGravar_Click();  // nothing selected: nothing to reopen
        QVERIFY(common::Messages::shown().isEmpty());
    }
};

QTEST_MAIN(TestLista)
#include "test_lista.moc"
