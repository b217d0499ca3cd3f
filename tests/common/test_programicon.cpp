#include "common/programicon.h"

#include <QTest>
#include <QXmlStreamReader>

// The programs' icons: one drawing, as pictures and as an SVG document.
class TestProgramIcon : public QObject {
    Q_OBJECT

private slots:
    void each_program_has_a_drawing()
    {
        QVERIFY(!common::programIconDrawing(QStringLiteral("kivo")).empty());
        QVERIFY(!common::programIconDrawing(QStringLiteral("davo")).empty());
        QVERIFY(common::programIconDrawing(QStringLiteral("outro")).empty());
        QVERIFY(common::programIcon(QStringLiteral("outro")).isNull());
    }

    void the_pictures_fill_the_tile_and_leave_the_corners_clear_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("size");
        for (const char* program : {"kivo", "davo"})
            for (int size : {48, 256})
                QTest::addRow("%s-%d", program, size) << QString::fromLatin1(program) << size;
    }
    void the_pictures_fill_the_tile_and_leave_the_corners_clear()
    {
        QFETCH(QString, program);
        QFETCH(int, size);
        const QImage image = common::renderIcon(common::programIconDrawing(program), size);
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 8, size / 2)), 255);
    }

    void the_window_icon_holds_the_theme_sizes()
    {
        const QIcon icon = common::programIcon(QStringLiteral("kivo"));
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.contains(QSize(48, 48)));
        QVERIFY(sizes.contains(QSize(256, 256)));
    }

    void the_svg_document_holds_every_shape()
    {
        for (const QString& program : {QStringLiteral("kivo"), QStringLiteral("davo")}) {
            const common::IconDrawing drawing = common::programIconDrawing(program);
            QXmlStreamReader xml(common::iconSvg(drawing));
            int shapes = 0;
            int gradients = 0;
            QString root;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (root.isEmpty()) {
                    root = xml.name().toString();
                    QCOMPARE(xml.attributes().value(QStringLiteral("viewBox")).toString(),
                             QStringLiteral("0 0 256 256"));
                }
                if (xml.name() == QLatin1String("rect") || xml.name() == QLatin1String("polyline"))
                    ++shapes;
                if (xml.name() == QLatin1String("linearGradient"))
                    ++gradients;
            }
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QCOMPARE(root, QStringLiteral("svg"));
            QCOMPARE(shapes, int(drawing.size()));
            QCOMPARE(gradients, 1);  // the tile
        }
    }
};

QTEST_MAIN(TestProgramIcon)
#include "test_programicon.moc"
