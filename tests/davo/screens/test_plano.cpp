// The plan screen and the line on the new-activity screen that tells what one more activity would
// do to the others, driven as the user drives them.

#include "davo/data/database.h"
#include "davo/data/plano.h"
#include "davo/data/prazos.h"
#include "davo/screens/frmAtividadesGUT.h"
#include "davo/screens/frmNovaAtiv.h"
#include "davo/screens/frmPlano.h"
#include "davo/screens/gradeatividades.h"
#include "davo/screens/graficoplano.h"
#include "davo/screens/menu.h"

#include "common/formats.h"
#include "common/maskeddatebox.h"
#include "common/store.h"
#include "tests/davo/davofixture.h"
#include "tests/support/tabchain.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

using davo::GraficoPlano;
using testsupport::accessKey;
using testsupport::named;
using testsupport::Today;

namespace {

// The late activities' table as its rows read.
QStringList atrasos(QWidget* tela)
{
    auto* grade = named<QTableWidget>(tela, "grdAtrasos");
    QStringList out;
    for (int r = 0; r < grade->rowCount(); ++r) {
        QStringList linha;
        for (int c = 0; c < grade->columnCount(); ++c)
            linha << grade->item(r, c)->text();
        out << linha.join(" | ");
    }
    return out;
}

QString resumo(QWidget* tela)
{
    return named<QLabel>(tela, "lblResumo")->text();
}

}  // namespace

class TestPlanoTela : public QObject {
    Q_OBJECT

    std::unique_ptr<DavoFixture> f_;

    void adiciona(const QString& nome, int dias, double horas, double gut = 8)
    {
        common::Recordset rs = common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades"));
        rs.addNew();
        rs.setValue("Ativo", "1");
        rs.setValue("GUT", gut);
        rs.setValue("Atividade", nome);
        rs.setValue("G", 2);
        rs.setValue("U", 1);
        rs.setValue("T", 4);
        rs.setValue("DataFinal", Today.addDays(dias));
        rs.setValue("FaltamDias", 1);
        rs.setValue("TempoDisp", 6);
        rs.setValue("HorasEst", horas);
        rs.setValue("HorasTrab", 0);
        rs.setValue("HorasQFaltam", horas);
        rs.setValue("HorasTrabDia", 0);
        rs.update();
    }

    int quantas() { return common::Recordset::openTable(f_->programa.db, QStringLiteral("Atividades")).recordCount(); }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void init() { testsupport::startTest(f_); }

    void cleanup() { testsupport::endTest(f_); }

    void the_plan_screen()
    {
        // An overdue activity, one due today whose 3 hours of today the overdue one has used, a
        // report that ends past its deadline, and two that fit, the last filling the weeks beyond.
        adiciona("Relatório mensal", 2, 9);
        adiciona("vencida", -1, 4);
        adiciona("hoje", 0, 5);
        adiciona("folgada", 20, 6);
        adiciona("longa", 40, 150);
        davo::frmPlano tela(f_->programa);
        tela.Form_Load();
        tela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tela));
        QCOMPARE(tela.windowTitle(), QStringLiteral("Plano das Próximas Semanas"));
        // vencida [0,4) all late; hoje [4,9) all late (3 hours of today); Relatório [9,18) limit 12:
        // 6 late; folgada [18,24) on time; longa [24,174) limit 240: on time.
        QCOMPARE(resumo(&tela), QStringLiteral("3 atividades atrasarão; 15 horas além da capacidade"));
        QCOMPARE(atrasos(&tela),
                 QStringList({"vencida | 07/12/2026 | 08/12/2026 | 4", "hoje | 08/12/2026 | 09/12/2026 | 5",
                              "Relatório mensal | 10/12/2026 | 10/12/2026 | 6"}));

        // The chart's bars are the plan's hours, day by day, stacked in the order laid; a full day
        // reaches the capacity line.
        auto* grafico = named<GraficoPlano>(&tela, "graPlano");
        const davo::Plano& plano = tela.plano();
        const auto barras = grafico->barras();
        size_t b = 0;
        for (int d = 0; d < GraficoPlano::Dias; ++d) {
            double topo = -1;
            for (const davo::Parcela& p : plano.doDia(d)) {
                QVERIFY(b < barras.size());
                QCOMPARE(barras[b].dia, d);
                QCOMPARE(barras[b].atividade, p.atividade);
                QCOMPARE(barras[b].horas, p.horas);
                QCOMPARE(barras[b].atrasadas, p.atrasadas);
                if (topo >= 0)
                    QCOMPARE(barras[b].retangulo.bottom(), topo);
                topo = barras[b].retangulo.top();
                ++b;
            }
            QVERIFY(std::abs(topo - grafico->alturaCapacidade()) < 1e-6);  // every day of the 28 is full
        }
        QCOMPARE(b, barras.size());
        QCOMPARE(barras.front().atrasadas, 4.0);
        // 174 hours: day 28 is the last day with hours, beyond the chart.
        QCOMPARE(plano.dias(), 29);

        // Painted at twice the resolution, a bar's colour runs to its edge, undiluted.
        QImage imagem(grafico->size() * 2, QImage::Format_RGB32);
        imagem.setDevicePixelRatio(2);
        grafico->render(&imagem);
        const GraficoPlano::Barra& folgada = barras[5];  // day 3: folgada's 6 hours
        QCOMPARE(tela.plano().atividades[size_t(folgada.atividade)].atividade, QStringLiteral("folgada"));
        const QRectF r = folgada.retangulo;
        const int y = int(r.center().y() * 2);
        const QRgb cor = GraficoPlano::cor(folgada.atividade).rgb();
        QCOMPARE(imagem.pixel(int(std::ceil(r.left() * 2)) + 1, y), cor);
        QCOMPARE(imagem.pixel(int(std::floor(r.right() * 2)) - 2, y), cor);
        QCOMPARE(imagem.pixel(int(std::floor(r.left() * 2)) - 2, y), grafico->palette().color(QPalette::Base).rgb());
    }

    void nothing_late_or_nothing_open()
    {
        davo::frmPlano vazia(f_->programa);
        vazia.Form_Load();
        QCOMPARE(resumo(&vazia), QStringLiteral("Nenhuma atividade aberta"));
        QVERIFY(atrasos(&vazia).isEmpty());
        QVERIFY(named<GraficoPlano>(&vazia, "graPlano")->barras().empty());

        adiciona("folgada", 20, 6);
        davo::frmPlano tela(f_->programa);
        tela.Form_Load();
        QCOMPARE(resumo(&tela), QStringLiteral("Nenhuma atividade atrasará"));
        QVERIFY(atrasos(&tela).isEmpty());

        adiciona("uma", 1, 7);  // 1 hour past its 6
        davo::frmPlano uma(f_->programa);
        uma.Form_Load();
        QCOMPARE(resumo(&uma), QStringLiteral("1 atividade atrasará; 1 hora além da capacidade"));
        common::setUserLocale(QLocale(QStringLiteral("en_US")));
        adiciona("meia", 1, 1.5);  // after "uma", with the lower score: all of it late
        uma.Form_Load();
        QCOMPARE(resumo(&uma), QStringLiteral("2 atividades atrasarão; 2.5 horas além da capacidade"));
    }

    void from_the_menu_and_the_list()
    {
        // The menu item opens the plan, which the keyboard closes again.
        adiciona("Relatório mensal", 1, 8);
        QStringList vistos;
        common::Modal::setTestHandler([&vistos](QDialog& d) {
            d.show();
            if (!QTest::qWaitForWindowActive(&d))
                return -1;
            vistos << d.objectName() + ": " + resumo(&d);
            accessKey(&d, 'a');  // the table of late activities
            vistos << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            vistos << QApplication::focusWidget()->objectName();
            accessKey(&d, 'v');
            vistos << (d.isVisible() ? "aberta" : "fechada");
            return d.result();
        });
        davo::Menu menu(f_->programa.pasta);
        QVERIFY(menu.Form_Load());
        auto* mnuPlano = named<QAction>(&menu, "mnuPlano");
        QCOMPARE(mnuPlano->text(), QStringLiteral("&Plano"));
        mnuPlano->trigger();
        QCOMPARE(vistos, QStringList({"frmPlano: 1 atividade atrasará; 2 horas além da capacidade", "grdAtrasos",
                                      "Command1", "fechada"}));

        // The list's button, clicked after a save: the plan follows the hours just booked.
        davo::frmAtividadesGUT lista(f_->programa);
        lista.Form_Load();
        lista.show();
        QVERIFY(QTest::qWaitForWindowActive(&lista));
        auto* grid = named<QTableView>(&lista, "MSFlexGrid1");
        grid->setCurrentIndex(lista.grade().index(0, davo::GradeAtividades::ColunaAtividade));
        lista.MSFlexGrid1_Click();
        named<QLineEdit>(&lista, "txtHorasJaTrab")->setText(QStringLiteral("3"));
        QTest::mouseClick(named<QPushButton>(&lista, "cmdGravar"), Qt::LeftButton);
        vistos.clear();
        common::Modal::setTestHandler([&vistos](QDialog& d) {
            vistos << d.objectName() + ": " + resumo(&d);
            return int(QDialog::Rejected);
        });
        auto* cmdPlano = named<QPushButton>(&lista, "cmdPlano");
        QCOMPARE(cmdPlano->text(), QStringLiteral("Ver &Plano"));
        QTest::mouseClick(cmdPlano, Qt::LeftButton);
        QCOMPARE(vistos, QStringList({"frmPlano: Nenhuma atividade atrasará"}));
    }

    void what_one_more_activity_would_do()
    {
        // "Relatório mensal" fits its 12 hours with 4 to spare; "longa" is late already.
        adiciona("Relatório mensal", 2, 8);
        adiciona("longa", 3, 12);
        davo::AtualizaPrazos(f_->programa.db, Today);  // as the list that opens the screen does
        davo::frmNovaAtiv tela(f_->programa);
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        auto* lblImpacto = named<QLabel>(&tela, "lblImpacto");
        const auto digita = [&](const char* caixa, const QString& texto) {
            auto* box = named<QLineEdit>(&tela, QLatin1String(caixa));
            QTest::mouseClick(box, Qt::LeftButton);
            box->selectAll();
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClick(box, Qt::Key_Home);
            QTest::keyClicks(box, texto);
        };
        QCOMPARE(lblImpacto->text(), QString());
        digita("txtAtividade", QStringLiteral("Orcamento"));
        digita("mskDtFinal", common::dateText(Today.addDays(1)).remove('/'));
        QCOMPARE(lblImpacto->text(), QString());  // no hours yet
        digita("txtHorasEst", QStringLiteral("8"));
        // The new activity's 8 hours come first: the report ends at hour 16, 4 past its 12.
        QCOMPARE(lblImpacto->text(), QStringLiteral("Com esta atividade, «Relatório mensal» atrasará 4 horas e "
                                                    "«longa» atrasará mais 8 horas"));
        digita("txtHorasJaTrab", QStringLiteral("6,5"));  // 1.5 hours left
        QCOMPARE(lblImpacto->text(), QStringLiteral("Com esta atividade, «longa» atrasará mais 1,5 horas"));
        digita("txtHorasEst", QStringLiteral("7,5"));
        QCOMPARE(lblImpacto->text(), QStringLiteral("Com esta atividade, «longa» atrasará mais 1 hora"));
        digita("mskDtFinal", common::dateText(Today.addDays(9)).remove('/'));  // after both
        QCOMPARE(lblImpacto->text(),
                 QStringLiteral("Com esta atividade, nenhuma outra atrasará mais do que já atrasa"));
        digita("txtHorasEst", QStringLiteral("oito"));
        QCOMPARE(lblImpacto->text(), QString());
        QTest::mouseClick(named<QPushButton>(&tela, "Command1"), Qt::LeftButton);
        QCOMPARE(quantas(), 2);  // nothing stored
    }

    // The window grows: the chart and the table of late activities take the room; the size is
    // there again at the next opening. Tab goes from the table to the button and back.
    void the_window_grows_and_the_keyboard_goes_round()
    {
        adiciona("vencida", -1, 4);
        QSize maior;
        {
            davo::frmPlano tela(f_->programa);
            tela.Form_Load();
            tela.show();
            QVERIFY(QTest::qWaitForWindowActive(&tela));
            QVERIFY(tela.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
            auto* grafico = named<GraficoPlano>(&tela, "graPlano");
            auto* grade = named<QTableWidget>(&tela, "grdAtrasos");
            const QSize grafico0 = grafico->size();
            const QSize grade0 = grade->size();
            tela.resize(tela.size() + QSize(300, 250));
            QCOMPARE(grafico->width(), grafico0.width() + 300);
            QCOMPARE(grade->width(), grade0.width() + 300);
            QVERIFY(grafico->height() > grafico0.height() && grade->height() > grade0.height());
            QCOMPARE(grafico->height() + grade->height(), grafico0.height() + grade0.height() + 250);

            const QStringList ordem{"grdAtrasos", "Command1"};
            QCOMPARE(tela.focusWidget()->objectName(), ordem.first());
            QCOMPARE(testsupport::tabChain(tela.focusWidget()), ordem);
            QCOMPARE(testsupport::tabChain(tela.focusWidget(), true), ordem);
            QCOMPARE(testsupport::tabControls(&tela), QStringList({"Command1", "grdAtrasos"}));
            maior = tela.size();
            QTest::mouseClick(named<QPushButton>(&tela, "Command1"), Qt::LeftButton);
        }
        davo::frmPlano tela(f_->programa);
        tela.Form_Load();
        tela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tela));
        QCOMPARE(tela.size(), maior);
    }

    void the_impact_line_names_a_few_and_counts_the_rest()
    {
        std::vector<davo::AtividadePlano> abertas;
        for (int k = 1; k <= 5; ++k)
            abertas.push_back({QVariant(), QStringLiteral("tarefa %1").arg(k), Today.addDays(2 * k), 12});
        const davo::Plano plano = davo::planeja(abertas, Today);
        QCOMPARE(davo::frmPlano::textoImpacto(plano, {}), QStringLiteral("Com esta atividade, nenhuma outra atrasará"));
        const davo::AtividadePlano nova{QVariant(), QStringLiteral("nova"), Today.addDays(1), 2};
        QCOMPARE(davo::frmPlano::textoImpacto(plano, davo::impacto(plano, nova)),
                 QStringLiteral("Com esta atividade, «tarefa 1» atrasará 2 horas, «tarefa 2» atrasará 2 horas, "
                                "«tarefa 3» atrasará 2 horas e mais 2 atividades atrasarão"));
        abertas[0].atividade = QString(60, QLatin1Char('x'));
        abertas.resize(4);
        const davo::Plano quatro = davo::planeja(abertas, Today);
        QCOMPARE(davo::frmPlano::textoImpacto(quatro, davo::impacto(quatro, nova)),
                 "Com esta atividade, «" + QString(39, QLatin1Char('x')) + QChar(0x2026) +
                     "» atrasará 2 horas, «tarefa 2» atrasará 2 horas, «tarefa 3» atrasará 2 horas e mais 1 "
                     "atividade atrasará");
    }
};

QTEST_MAIN(TestPlanoTela)
#include "test_plano.moc"
