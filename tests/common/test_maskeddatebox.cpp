#include "common/maskeddatebox.h"

#include "tests/support/testsupport.h"

class TestMaskedDateBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void the_mask_and_the_date()
    {
        common::MaskedDateBox box;
        QCOMPARE(box.Text(), QStringLiteral("__/__/____"));
        QVERIFY(!box.isValidDate());
        box.setText(QStringLiteral("5/3/2026"));
        QCOMPARE(box.Text(), QStringLiteral("05/03/2026"));
        QCOMPARE(box.date(), QDate(2026, 3, 5));
        box.setText(QStringLiteral("__/__/____"));
        QCOMPARE(box.Text(), QStringLiteral("__/__/____"));
        box.setText(QStringLiteral("31/02/2026"));  // every place filled, but no such day
        QVERIFY(!box.isValidDate());

        box.clear();
        box.show();
        box.setFocus();
        box.home(false);
        QTest::keyClicks(&box, QStringLiteral("0a5032"));  // a letter has no place in the mask
        QCOMPARE(box.Text(), QStringLiteral("05/03/2___"));
        QVERIFY(!box.isValidDate());
    }
};

QTEST_MAIN(TestMaskedDateBox)
#include "test_maskeddatebox.moc"
