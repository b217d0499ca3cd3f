#include "common/formats.h"
#include "common/widgets.h"
#include "tests/support/testsupport.h"

using namespace common;

class TestFormats : public QObject {
    Q_OBJECT

    static void useLocale(const char* name) { setUserLocale(QLocale(QLatin1String(name))); }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void reading_numbers_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        QTest::newRow("pt comma") << "pt_BR"
                                  << "15,9" << true << 15.9;
        QTest::newRow("us point") << "en_US"
                                  << "15.9" << true << 15.9;
        QTest::newRow("de comma") << "de_DE"
                                  << "15,9" << true << 15.9;
        QTest::newRow("blanks") << "pt_BR"
                                << "  7 " << true << 7.0;
        QTest::newRow("negative") << "pt_BR"
                                  << "-3,5" << true << -3.5;
        QTest::newRow("plus") << "en_US"
                              << "+2.5" << true << 2.5;
        QTest::newRow("no whole part") << "pt_BR"
                                       << ",5" << true << 0.5;
        QTest::newRow("empty") << "pt_BR"
                               << "" << false << 0.0;
        QTest::newRow("only a sign") << "pt_BR"
                                     << "-" << false << 0.0;
        QTest::newRow("letters") << "pt_BR"
                                 << "abc" << false << 0.0;
        QTest::newRow("a letter after") << "en_US"
                                        << "2h" << false << 0.0;
        QTest::newRow("infinity") << "en_US"
                                  << "inf" << false << 0.0;
        QTest::newRow("overflow") << "en_US"
                                  << "1e999" << false << 0.0;
        QTest::newRow("exponent pt") << "pt_BR"
                                     << "1,5E+20" << true << 1.5e20;
        QTest::newRow("exponent us") << "en_US"
                                     << "2e-05" << true << 2e-5;
        QTest::newRow("bare exponent") << "en_US"
                                       << "2e" << false << 0.0;

        // Where the point groups thousands it is never a decimal point.
        QTest::newRow("pt 1.500 is 1500") << "pt_BR"
                                          << "1.500" << true << 1500.0;
        QTest::newRow("de 1.500 is 1500") << "de_DE"
                                          << "1.500" << true << 1500.0;
        QTest::newRow("pt grouped with decimals") << "pt_BR"
                                                  << "12.345.678,25" << true << 12345678.25;
        QTest::newRow("pt 1.5 refused") << "pt_BR"
                                        << "1.5" << false << 0.0;
        QTest::newRow("de 15.9 refused") << "de_DE"
                                         << "15.9" << false << 0.0;
        QTest::newRow("pt 15.00 refused") << "pt_BR"
                                          << "15.00" << false << 0.0;
        QTest::newRow("pt group of four") << "pt_BR"
                                          << "1.5000" << false << 0.0;
        QTest::newRow("pt group first too long") << "pt_BR"
                                                 << "1500.000" << false << 0.0;
        QTest::newRow("pt leading group") << "pt_BR"
                                          << ".500" << false << 0.0;
        QTest::newRow("pt trailing group") << "pt_BR"
                                           << "1." << false << 0.0;
        QTest::newRow("pt group in decimals") << "pt_BR"
                                              << "1,500.000" << false << 0.0;
        QTest::newRow("pt two decimal separators") << "pt_BR"
                                                   << "1,5,0" << false << 0.0;
        // And where the comma groups, the comma is never a decimal separator.
        QTest::newRow("us 1,500 is 1500") << "en_US"
                                          << "1,500" << true << 1500.0;
        QTest::newRow("us grouped with decimals") << "en_US"
                                                  << "-1,234,567.5" << true << -1234567.5;
        QTest::newRow("us 15,9 refused") << "en_US"
                                         << "15,9" << false << 0.0;
        QTest::newRow("us 1,50 refused") << "en_US"
                                         << "1,50" << false << 0.0;
        QTest::newRow("us two points") << "en_US"
                                       << "1.500.000" << false << 0.0;
        // A locale that groups with a blank leaves the point free: there it is a decimal point.
        QTest::newRow("fr point") << "fr_FR"
                                  << "2.5" << true << 2.5;
        QTest::newRow("fr comma") << "fr_FR"
                                  << "2,5" << true << 2.5;
        QTest::newRow("fr grouped") << "fr_FR" << QString("1") + QChar(0x202F) + "500,5" << true << 1500.5;
        QTest::newRow("fr mixed") << "fr_FR"
                                  << "1.5,5" << false << 0.0;
    }

    void reading_numbers()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        useLocale(qPrintable(locale));
        QCOMPARE(isNumeric(text), numeric);
        if (numeric)
            QCOMPARE(*readNumber(text), value);
    }

    void formatting_numbers()
    {
        useLocale("pt_BR");
        QCOMPARE(formatFixed(0.5, 2), QStringLiteral("0,50"));
        QCOMPARE(formatFixed(10, 2), QStringLiteral("10,00"));
        QCOMPARE(formatFixed(0.125, 2), QStringLiteral("0,13"));
        QCOMPARE(formatFixed(1714.2857, 1), QStringLiteral("1714,3"));
        QCOMPARE(formatFixed(-0.04, 1), QStringLiteral("0,0"));
        QCOMPARE(numberText(14), QStringLiteral("14"));
        QCOMPARE(numberText(0.4), QStringLiteral("0,4"));
        QCOMPARE(numberText(-18), QStringLiteral("-18"));
        QCOMPARE(numberText(1.0 / 3), QStringLiteral("0,333333333333333"));
        QCOMPARE(formatTwoDigits(3), QStringLiteral("03"));
        QCOMPARE(formatTwoDigits(15), QStringLiteral("15"));
        useLocale("en_US");
        QCOMPARE(formatFixed(1234.5, 2), QStringLiteral("1234.50"));
        QCOMPARE(numberText(3.5), QStringLiteral("3.5"));
    }

    // Under a locale with digits of its own every number shown reads back as the same number.
    void numbers_shown_in_a_locales_own_digits_read_back()
    {
        for (const char* name : {"ar_EG", "fa_IR", "pt_BR", "en_US"}) {
            useLocale(name);
            for (double v : {0.0, 3.5, -2.25, 1234.5, 12345678.0, 1.5e-20, 4.2e21}) {
                for (int decimals : {1, 2}) {
                    const QString shown = formatFixed(v, decimals);
                    const auto read = readNumber(shown);
                    QVERIFY2(read, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name), shown)));
                    QCOMPARE(*read, QLocale::c().toDouble(QLocale::c().toString(v, 'f', decimals)));
                }
                const QString text = numberText(v);
                QVERIFY2(readNumber(text) == v, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(name), text)));
            }
            // ASCII digits are read there as well.
            QCOMPARE(readNumber(QStringLiteral("42")), 42.0);
        }
        useLocale("ar_EG");
        QCOMPARE(readNumber(QString::fromUtf8("٣٫٥")), 3.5);  // the gravity label's "3,5"
        resetUserLocale();
    }

    void dates_are_day_first()
    {
        QCOMPARE(dateText(QDate(2026, 3, 5)), QStringLiteral("05/03/2026"));
        QCOMPARE(readDate(QStringLiteral("05/03/2026")), QDate(2026, 3, 5));
        QCOMPARE(readDate(QStringLiteral("5/3/2026")), QDate(2026, 3, 5));
        QVERIFY(!readDate(QStringLiteral("31/02/2026")).isValid());
        QVERIFY(!readDate(QStringLiteral("__/__/____")).isValid());
        useLocale("pt_BR");
        QCOMPARE(shortDateText(QDate(2026, 3, 5)), QStringLiteral("05/03/2026"));
        useLocale("en_US");
        QCOMPARE(shortDateText(QDate(2026, 3, 5)), QStringLiteral("3/5/26"));
    }

    void control_array_names_and_twips()
    {
        QCOMPARE(arrayName(QStringLiteral("txtAlternativa"), 0), QStringLiteral("txtAlternativa(0)"));
        // 1,440 twips to the inch: an inch is as many pixels as the screen's logical resolution.
        QCOMPARE(twips(1440), qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY()));
        QCOMPARE(twips(0), 0);
    }
};

QTEST_MAIN(TestFormats)
#include "test_formats.moc"
