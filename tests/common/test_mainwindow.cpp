// What both main windows share: the pictures on their gradient and the named menu items.

#include "common/mainwindow.h"

#include "tests/support/testsupport.h"

#include <QImage>
#include <QMainWindow>
#include <QMenuBar>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::resetPlatform(); }

    void a_picture_runs_from_its_top_colour_to_its_bottom_colour()
    {
        const common::Gradient cores{QColor(16, 42, 96), QColor(96, 152, 216)};
        const QImage image =
            common::drawPicture({QSize(120, 100), cores, QStringLiteral("X"), 20, 30, QStringLiteral("y"), 8})
                .toImage();
        QCOMPARE(image.size(), QSize(120, 100));
        // The corners hold no letter.
        QVERIFY(qAbs(image.pixelColor(0, 0).red() - 16) <= 2);
        QVERIFY(qAbs(image.pixelColor(119, 99).red() - 96) <= 2);
        QVERIFY(qAbs(image.pixelColor(119, 99).blue() - 216) <= 2);

        // On a screen of two device pixels per pixel the picture has twice the pixels, the same
        // layout, and its letters in the same place.
        const QPixmap sharp =
            common::drawPicture({QSize(120, 100), cores, QStringLiteral("X"), 20, 30, QStringLiteral("y"), 8}, 2);
        QCOMPARE(sharp.size(), QSize(240, 200));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(120, 100));
        const QImage big = sharp.toImage();
        QVERIFY(qAbs(big.pixelColor(239, 199).blue() - 216) <= 2);
    }

    void a_menu_item_is_named_and_runs_its_handler()
    {
        struct Janela : QMainWindow {
            int vezes = 0;
            void mnuX_Click() { ++vezes; }
        } janela;
        QAction* item = common::menuItem(janela.menuBar(), "mnuX", QStringLiteral("&X"), &janela, &Janela::mnuX_Click);
        QCOMPARE(item->objectName(), QStringLiteral("mnuX"));
        QCOMPARE(item->text(), QStringLiteral("&X"));
        QVERIFY(janela.menuBar()->actions().contains(item));
        item->trigger();
        QCOMPARE(janela.vezes, 1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
