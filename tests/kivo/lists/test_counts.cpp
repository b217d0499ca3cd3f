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
        testsupport::startTest(f_);
        f_->programa.qtdeCriterios = 9;
    }
    void cleanup() { testsupport::endTest(f_); }

    void the_stored_count_lays_out_the_rows_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("rows");
        // The stored count is read the same way by both screens; what each reads and saves of
        // the rows differs.
        const QString a = QStringLiteral("frmAlternativas"), c = QStringLiteral("frmCriterios");
        QTest::newRow("alternatives empty: 3") << a << QVariant(QStringLiteral("")) << 3;
        QTest::newRow("criteria not a number: 3") << c << QVariant(QStringLiteral("abc")) << 3;
        QTest::newRow("alternatives cleared: 0") << a << QVariant(0) << 0;
        QTest::newRow("criteria cleared: 0") << c << QVariant(0) << 0;
        QTest::newRow("alternatives 15") << a << QVariant(15) << 15;
        QTest::newRow("criteria 15") << c << QVariant(15) << 15;
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
        // Both screens apply the same rules; each has its own message and its own count.
        const QString a = QStringLiteral("frmAlternativas"), c = QStringLiteral("frmCriterios");
        QTest::newRow("alternatives letters") << a << "pt_BR"
                                              << "abc"
                                              << "" << 4;
        QTest::newRow("criteria 2") << c << "pt_BR"
                                    << "2"
                                    << "" << 4;
        QTest::newRow("alternatives 16") << a << "pt_BR"
                                         << "16"
                                         << "" << 4;
        QTest::newRow("alternatives 15,9 pt_BR") << a << "pt_BR"
                                                 << "15,9"
                                                 << "15" << 15;
        // Under pt_BR the point groups thousands: "15.9" is no number and is emptied silently.
        QTest::newRow("criteria 15.9 pt_BR") << c << "pt_BR"
                                             << "15.9"
                                             << "" << 4;
        QTest::newRow("criteria 1.500 pt_BR") << c << "pt_BR"
                                              << "1.500"
                                              << "" << 4;
        QTest::newRow("criteria 15.9 en_US") << c << "en_US"
                                             << "15.9"
                                             << "15" << 15;
        QTest::newRow("criteria 2.5 en_US") << c << "en_US"
                                            << "2.5"
                                            << "" << 4;
        QTest::newRow("alternatives 7 en_US") << a << "en_US"
                                              << "7"
                                              << "7" << 7;
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
        // A number out of range is refused with the message; a text that is no number is emptied
        // silently.
        const bool refused = shown.isEmpty() && common::isNumeric(typed);
        QCOMPARE(common::Messages::shown().size(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(lastMessage().icon, QMessageBox::Warning);
            QCOMPARE(lastMessage().title, criterios ? QStringLiteral("Qtde de Critérios não aceita!")
                                                    : QStringLiteral("Qtde de Alternativas não aceita!"));
            QCOMPARE(lastMessage().text, criterios ? QStringLiteral("Nº de critérios deve ser no máximo 15 itens")
                                                   : QStringLiteral("Nº de Alternativas deve ser no máximo 15 itens"));
        }
    }

    void a_refused_count_takes_the_focus_back_without_other_checks_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("title");
        QTest::newRow("alternatives") << "frmAlternativas"
                                      << "txtAlternativa(1)"
                                      << "Qtde de Alternativas não aceita!";
        // An empty sign box left would complain.
        QTest::newRow("criteria") << "frmCriterios"
                                  << "txtSinal(1)"
                                  << "Qtde de Critérios não aceita!";
    }

    void a_refused_count_takes_the_focus_back_without_other_checks()
    {
        QFETCH(QString, screen);
        QFETCH(QString, other);
        QFETCH(QString, title);
        auto frm = f_->load(screen);
        frm->show();
        QVERIFY(QTest::qWaitForWindowActive(frm.get()));
        auto* next = named<QLineEdit>(frm.get(), other);
        for (const char* typed : {"abc", "16", "6"}) {
            qtdeBox(frm.get())->setFocus();
            qtdeBox(frm.get())->setText(QLatin1String(typed));
            next->setFocus();
            // Refused: back in the count box; accepted: the user moves on.
            QCOMPARE(QApplication::focusWidget(), typed[0] == '6' ? next : qtdeBox(frm.get()));
        }
        verifyLayout(frm.get(), 6);
        if (screen == "frmCriterios")
            QCOMPARE(f_->programa.qtdeCriterios, short(6));
        QCOMPARE(testsupport::shownTitles(), QStringList{title});
    }
};

QTEST_MAIN(TestListCounts)
#include "test_counts.moc"
