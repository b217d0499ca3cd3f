// The count of the list screens: as stored, as typed, and the rows it lays out.

#include "tests/kivo/lists/listfixture.h"

#include <QApplication>

class TestListCounts : public QObject {
    Q_OBJECT

    std::unique_ptr<ListFixture> f_;

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init()
    {
        testsupport::resetPlatform();
        f_ = std::make_unique<ListFixture>();
        f_->programa.qtdeCriterios = 9;
    }
    void cleanup() { f_.reset(); }

    void the_stored_count_lays_out_the_rows_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("rows");
        for (const char* screen : {"frmAlternativas", "frmCriterios"}) {
            const QString s = QLatin1String(screen);
            QTest::newRow(qPrintable(s + " 5")) << s << QVariant(5) << 5;
            QTest::newRow(qPrintable(s + " empty: 3")) << s << QVariant(QStringLiteral("")) << 3;
            QTest::newRow(qPrintable(s + " not a number: 3")) << s << QVariant(QStringLiteral("abc")) << 3;
            QTest::newRow(qPrintable(s + " cleared: 0")) << s << QVariant(0) << 0;
            QTest::newRow(qPrintable(s + " 15")) << s << QVariant(15) << 15;
        }
    }

    void the_stored_count_lays_out_the_rows()
    {
        QFETCH(QString, screen);
        QFETCH(QVariant, stored);
        QFETCH(int, rows);
        const QString table = screen.mid(3);
        const QString field = table == "Alternativas" ? "Alternativa" : "Identifica";
        for (int i = 1; i <= 15; ++i)
            f_->execute(QStringLiteral("UPDATE %1 SET %2 = ?, Qtde = ? WHERE Numero = ?").arg(table, field),
                        {QStringLiteral("Item %1").arg(i), stored, i});
        auto frm = f_->load(screen);
        QCOMPARE(qtdeBox(frm.get())->text(), QString::number(rows));
        verifyLayout(frm.get(), rows);
        if (table == "Criterios")
            QCOMPARE(f_->programa.qtdeCriterios, short(rows));
        // Alternatives beyond the count are not read; criteria all are.
        const int read = table == "Criterios" ? 15 : rows;
        const char* box = table == "Criterios" ? "txtIdentifica" : "txtAlternativa";
        for (int i = 0; i < 15; ++i)
            QCOMPARE(at<QLineEdit>(frm.get(), box, i)->text(), i < read ? QStringLiteral("Item %1").arg(i + 1) : "");
        // Saving writes the rows in use only: none when the count is 0.
        at<QLineEdit>(frm.get(), box, 0)->setText(QStringLiteral("novo"));
        named<QPushButton>(frm.get(), "cmdSair")->click();
        QCOMPARE(f_->stored(table, field).first(), rows ? QStringLiteral("novo") : QStringLiteral("Item 1"));
    }

    void leaving_the_count_box_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("count");
        for (const char* screen : {"frmAlternativas", "frmCriterios"}) {
            const QString s = QLatin1String(screen);
            QTest::newRow(qPrintable(s + " letters")) << s << "pt_BR" << "abc" << "" << 4;
            QTest::newRow(qPrintable(s + " 2")) << s << "pt_BR" << "2" << "" << 4;
            QTest::newRow(qPrintable(s + " 16")) << s << "pt_BR" << "16" << "" << 4;
            QTest::newRow(qPrintable(s + " 15,9 pt_BR")) << s << "pt_BR" << "15,9" << "15" << 15;
            QTest::newRow(qPrintable(s + " 15.9 pt_BR")) << s << "pt_BR" << "15.9" << "15" << 15;
            QTest::newRow(qPrintable(s + " 15.9 en_US")) << s << "en_US" << "15.9" << "15" << 15;
            QTest::newRow(qPrintable(s + " 2.5 en_US")) << s << "en_US" << "2.5" << "" << 4;
            QTest::newRow(qPrintable(s + " 7 en_US")) << s << "en_US" << "7" << "7" << 7;
        }
    }

    void leaving_the_count_box()
    {
        QFETCH(QString, screen);
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, count);
        common::setUserLocale(QLocale(locale));
        const bool criterios = screen == "frmCriterios";
        f_->execute(QStringLiteral("UPDATE %1 SET Qtde = 4").arg(screen.mid(3)));
        {
            auto frm = f_->load(screen);
            typeCount(frm.get(), typed);
            QCOMPARE(qtdeBox(frm.get())->text(), shown);
            verifyLayout(frm.get(), count);  // a refused count leaves the previous one in force
            if (!criterios)
                QCOMPARE(static_cast<kivo::frmAlternativas*>(frm.get())->qtde(), short(count));
        }  // left without saving: the criteria count has changed all the same
        if (criterios)
            QCOMPARE(f_->programa.qtdeCriterios, short(count));
        QCOMPARE(f_->stored(screen.mid(3), "Qtde").first(), QStringLiteral("4"));
        const bool refused = shown.isEmpty() && typed != "abc";  // letters are emptied silently
        QCOMPARE(common::Messages::shown().size(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(lastMessage().icon, QMessageBox::Warning);
            QCOMPARE(lastMessage().title, criterios ? QStringLiteral("Qtde de Critérios não aceita!")
                                                    : QStringLiteral("Qtde de Alternativas não aceita!"));
            QCOMPARE(lastMessage().text, criterios ? QStringLiteral("Nº de critérios deve ser no máximo 15 itens")
                                                   : QStringLiteral("Nº de Alternativas deve ser no máximo 15 itens"));
        }
    }

    void a_refused_count_takes_the_focus_back_without_other_checks()
    {
        auto frm = f_->load("frmCriterios");
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        for (const char* typed : {"abc", "16", "6"}) {
            qtdeBox(frm.get())->setFocus();
            qtdeBox(frm.get())->setText(QLatin1String(typed));
            at<QLineEdit>(frm.get(), "txtSinal", 1)->setFocus();  // empty: a sign box left would complain
        }
        // Twice back in the count box; the accepted count lets the user move on.
        QCOMPARE(QApplication::focusWidget(), at<QLineEdit>(frm.get(), "txtSinal", 1));
        QCOMPARE(f_->programa.qtdeCriterios, short(6));
        QCOMPARE(testsupport::shownTitles(), QStringList{QStringLiteral("Qtde de Critérios não aceita!")});
    }
};

QTEST_MAIN(TestListCounts)
#include "test_counts.moc"
