#include "common/logo.h"
#include "common/picturebox.h"

#include "tests/support/testsupport.h"

#include <QApplication>
#include <QPalette>

#include <memory>

using common::cLogo;
using common::PictureBox;

namespace {

constexpr quint32 Red = 0x000000FF;
constexpr quint32 Blue = 0x00FF0000;
constexpr QRgb Marker = 0xFFFF00FF;

// The colour of row `y`, provided the whole row carries it.
QRgb rowColour(const QImage& image, int y)
{
    const QRgb first = image.pixel(0, y);
    for (int x = 1; x < image.width(); ++x)
        if (image.pixel(x, y) != first)
            return 0;
    return first;
}

// The pixels of rows `fromRow` to `toRow` that differ from the band colour at the row's right end.
int marks(const QImage& image, int fromRow, int toRow)
{
    int total = 0;
    for (int y = fromRow; y <= toRow; ++y)
        for (int x = 0; x < image.width(); ++x)
            total += image.pixel(x, y) != image.pixel(image.width() - 1, y);
    return total;
}

}  // namespace

class TestLogo : public QObject {
    Q_OBJECT

    std::unique_ptr<PictureBox> box_;
    cLogo logo_;

    // A fresh surface of the given size with the tile pointed at it, nothing drawn yet.
    PictureBox& surface(int width, int height)
    {
        box_ = std::make_unique<PictureBox>();
        box_->setObjectName(QStringLiteral("picLogo"));
        box_->resize(width, height);
        logo_ = cLogo();
        logo_.setDrawingObject(box_.get());
        return *box_;
    }

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::resetPlatform(); }

    void a_new_tile_runs_from_black_to_the_button_face()
    {
        cLogo logo;
        QCOMPARE(logo.caption(), QString());
        QCOMPARE(logo.drawingObject(), nullptr);
        QCOMPARE(logo.startColor(), 0u);
        QCOMPARE(logo.endColor(), 0x8000000Fu);
        QCOMPARE(logo.startComponents(), cLogo::Components({0, 0, 0}));
        const QColor face = QApplication::palette().color(QPalette::Button);
        QCOMPARE(logo.endComponents(),
                 cLogo::Components({qint16(face.red()), qint16(face.green()), qint16(face.blue())}));
        logo.Draw();  // no surface: nothing happens
    }

    void the_gradient_runs_from_the_start_colour_at_the_bottom_upwards()
    {
        PictureBox& box = surface(20, 100);
        logo_.setStartColor(Red);
        logo_.setEndColor(Blue);
        const QImage& image = box.image();
        QCOMPARE(image.size(), QSize(20, 100));
        QCOMPARE(rowColour(image, 99), qRgb(255, 0, 0));
        QCOMPARE(rowColour(image, 98), qRgb(255, 0, 0));                  // the first two bands carry the start colour
        QCOMPARE(rowColour(image, 97), qRgb(252, 0, 3));                  // 255 - 2.55, 2.55
        QCOMPARE(rowColour(image, 50), qRgb(133, 0, 122));                // 48 / 100 of the way
        QCOMPARE(rowColour(image, 0), qRgb(5, 0, 250));                   // the top stops short of the end colour
        QCOMPARE(box.grab().toImage().pixel(10, 50), qRgb(133, 0, 122));  // and the widget shows it
    }

    void halves_round_to_the_even_neighbour()
    {
        PictureBox& box = surface(5, 4);
        logo_.setStartColor(0x00000100);                         // green 1
        logo_.setEndColor(0x0000FEFD);                           // red 253, green 254
        QCOMPARE(rowColour(box.image(), 1), qRgb(63, 64, 0));    // 63.25, 64.25
        QCOMPARE(rowColour(box.image(), 0), qRgb(126, 128, 0));  // 126.5 down, 127.5 up
    }

    void bands_are_two_pixels_high_from_510_pixels()
    {
        PictureBox& box = surface(8, 510);
        logo_.setStartColor(Red);
        logo_.setEndColor(Blue);
        const QImage& image = box.image();
        for (int y : {509, 508, 507, 506})
            QCOMPARE(rowColour(image, y), qRgb(255, 0, 0));  // two bands of two rows
        QCOMPARE(rowColour(image, 505), qRgb(254, 0, 1));
        QCOMPARE(rowColour(image, 504), qRgb(254, 0, 1));
        QCOMPARE(rowColour(image, 0), qRgb(2, 0, 253));

        PictureBox& one = surface(8, 509);
        logo_.setStartColor(Red);
        logo_.setEndColor(Blue);
        QCOMPARE(rowColour(one.image(), 507), qRgb(255, 0, 0));
        QCOMPARE(rowColour(one.image(), 506), qRgb(254, 0, 1));  // 509 pixels: 1-pixel bands still
    }

    void a_surface_with_no_height_or_width_paints_nothing()
    {
        // Drawing ends quietly on a surface with nothing to paint, and the tile still draws on
        // the next surface it is given.
        surface(20, 0);
        logo_.setCaption(QStringLiteral("Prazo"));
        logo_.setStartColor(Red);
        logo_.Draw();
        surface(0, 40);
        logo_.setCaption(QStringLiteral("Prazo"));
        logo_.setStartColor(Red);
        logo_.Draw();
        PictureBox& normal = surface(8, 20);
        logo_.setStartColor(Red);
        QCOMPARE(rowColour(normal.image(), 19), qRgb(255, 0, 0));

        // A surface that went away is no longer painted.
        surface(10, 10);
        box_.reset();
        logo_.setStartColor(Blue);
        logo_.Draw();
        QCOMPARE(logo_.drawingObject(), nullptr);
    }

    void only_a_changed_colour_redraws()
    {
        PictureBox& box = surface(40, 30);
        logo_.setCaption(QStringLiteral("GUT"));  // neither the caption nor the surface draws
        box.image().fill(Marker);
        logo_.setDrawingObject(&box);
        QCOMPARE(rowColour(box.image(), 29), Marker);

        logo_.setStartColor(0);  // the value it has
        logo_.setEndColor(0x8000000F);
        QCOMPARE(rowColour(box.image(), 29), Marker);

        logo_.setStartColor(Red);
        QCOMPARE(rowColour(box.image(), 29), qRgb(255, 0, 0));
        box.image().fill(Marker);
        logo_.setEndColor(Blue);
        QCOMPARE(rowColour(box.image(), 29), qRgb(255, 0, 0));
        QCOMPARE(box.image().pixel(39, 0), qRgb(17, 0, 238));  // 28 / 30 of the way, right of the caption
    }

    void a_system_colour_is_resolved_when_it_is_set()
    {
        const QPalette saved = QApplication::palette();
        QPalette palette = saved;
        palette.setColor(QPalette::ToolTipBase, QColor(10, 20, 30));
        QApplication::setPalette(palette);

        cLogo logo;
        logo.setStartColor(0x80000018);  // tooltip background
        QCOMPARE(logo.startColor(), 0x80000018u);
        QCOMPARE(logo.startComponents(), cLogo::Components({10, 20, 30}));
        QCOMPARE(common::systemColour(0x80000018), QColor(10, 20, 30));

        // A change of the colour scheme shows only once the colour is set to another value.
        palette.setColor(QPalette::ToolTipBase, QColor(40, 50, 60));
        QApplication::setPalette(palette);
        logo.setStartColor(0x80000018);
        QCOMPARE(logo.startComponents(), cLogo::Components({10, 20, 30}));
        logo.setStartColor(0x00332211);
        QCOMPARE(logo.startComponents(), cLogo::Components({0x11, 0x22, 0x33}));
        logo.setStartColor(0x80000018);
        QCOMPARE(logo.startComponents(), cLogo::Components({40, 50, 60}));

        // An index the system does not know stands for the button face.
        QCOMPARE(common::systemColour(0x800000FF), palette.color(QPalette::Button));
        QCOMPARE(common::systemColour(0x80000005), palette.color(QPalette::Base));
        QApplication::setPalette(saved);
    }

    void the_caption_reads_upwards_from_the_lower_left()
    {
        PictureBox& plain = surface(60, 200);
        logo_.setStartColor(Red);
        logo_.setEndColor(Blue);
        QCOMPARE(marks(plain.image(), 0, 199), 0);

        PictureBox& box = surface(60, 200);
        QPalette palette = box.palette();
        palette.setColor(QPalette::WindowText, QColor(0, 255, 0));
        box.setPalette(palette);
        logo_.setCaption(QStringLiteral("Prioridade"));
        logo_.setStartColor(Red);
        logo_.setEndColor(Blue);
        const QImage& image = box.image();
        QVERIFY(marks(image, 0, 183) > 0);
        QCOMPARE(marks(image, 185, 199), 0);  // the text starts 16 pixels above the bottom edge
        int green = 0;
        int rightOfText = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 60; ++x) {
                const QRgb p = image.pixel(x, y);
                if (qGreen(p) > 0)
                    ++green;
                if (x >= box.fontMetrics().height() + 2 && p != image.pixel(59, y))
                    ++rightOfText;
            }
        QVERIFY(green > 0);        // in the surface's text colour
        QCOMPARE(rightOfText, 0);  // on its side, against the left edge
    }

    void a_long_caption_fits_its_tile_at_scale_1_and_2()
    {
        // kivo's tiles over the criteria (345 x 2300 twips) and a davo heading's (500 x 1700),
        // in the small bold letters both use.
        PictureBox box;
        box.useLightLettering();
        QFont lettering = box.font();
        lettering.setPixelSize(9);
        const struct {
            int width, height;
            QString caption;
        } tiles[] = {
            {23, 153, QStringLiteral("Custo total de manutenção anual dos equipamentos")},
            {23, 153, QStringLiteral("Disponibilidade de fornecedores qualificados na região")},
            {23, 153, QStringLiteral("Supplier availability within the whole region")},
            {23, 153, QStringLiteral("Inversión inicial")},
            {33, 113, QStringLiteral("Horas já trabalhadas")},
            {33, 113, QStringLiteral("Horas a Trab. p/dia")},
            {33, 113, QStringLiteral("Esta_palavra_não_cabe_inteira_numa_linha_só")},
        };
        for (qreal ratio : {1.0, 2.0}) {
            QImage device(8, 8, QImage::Format_RGB32);
            device.setDevicePixelRatio(ratio);
            for (const auto& t : tiles) {
                const common::CaptionLayout layout = common::layCaption(t.caption, lettering, t.width, t.height);
                const QFontMetricsF metrics(layout.font, &device);
                for (const QString& line : layout.lines)
                    QVERIFY2(metrics.horizontalAdvance(line) <= t.height - 18 + 0.5, qPrintable(line));
                QVERIFY2(metrics.height() + (layout.lines.size() - 1) * metrics.lineSpacing() <= t.width + 0.5,
                         qPrintable(t.caption));
                QCOMPARE(layout.lines.join(QString()).remove(QLatin1Char(' ')),
                         QString(t.caption).remove(QLatin1Char(' ')));
            }
            // A short caption keeps its font and its one line.
            const common::CaptionLayout curto = common::layCaption(QStringLiteral("GUT"), lettering, 33, 113);
            QVERIFY(curto.asGiven);
            QCOMPARE(curto.lines, QStringList{QStringLiteral("GUT")});
            QCOMPARE(curto.font.pixelSize(), 9);
        }

        // Drawn, the long caption leaves its whole text as the tile's tooltip and a second line
        // right of the first; the short one sets none.
        PictureBox& tile = surface(33, 113);
        tile.useLightLettering();
        logo_.setCaption(QStringLiteral("Horas já trabalhadas"));
        logo_.setStartColor(Red);
        QCOMPARE(tile.toolTip(), QStringLiteral("Horas já trabalhadas"));
        int secondLine = 0;
        for (int y = 0; y < 113; ++y)
            for (int x = 14; x < 33; ++x)
                secondLine += tile.image().pixel(x, y) != tile.image().pixel(32, y);
        QVERIFY(secondLine > 0);
        PictureBox& shortTile = surface(33, 113);
        shortTile.useLightLettering();
        logo_.setCaption(QStringLiteral("GUT"));
        logo_.setStartColor(Red);
        QVERIFY(shortTile.toolTip().isEmpty());
    }

    void the_picture_has_the_screens_pixels()
    {
        // A surface keeps one picture pixel per device pixel; drawing into it uses the widget's
        // coordinates.
        PictureBox& box = surface(30, 40);
        const qreal ratio = box.devicePixelRatioF();
        QCOMPARE(box.image().size(), (QSizeF(30, 40) * ratio).toSize());
        QCOMPARE(box.image().devicePixelRatio(), ratio);
        logo_.setStartColor(Red);
        QCOMPARE(box.image().pixel(box.image().width() - 1, box.image().height() - 1), qRgb(255, 0, 0));
    }

    void a_face_name_too_long_for_the_font_leaves_the_bands_alone()
    {
        PictureBox& box = surface(40, 120);
        box.setFont(QFont(QString(33, QLatin1Char('F'))));
        logo_.setCaption(QStringLiteral("Prazo"));
        logo_.setStartColor(Red);
        QVERIFY(marks(box.image(), 0, 119) > 0);

        PictureBox& longer = surface(40, 120);
        longer.setFont(QFont(QString(34, QLatin1Char('F'))));
        logo_.setCaption(QStringLiteral("Prazo"));
        logo_.setStartColor(Red);
        QCOMPARE(marks(longer.image(), 0, 119), 0);
        QCOMPARE(rowColour(longer.image(), 119), qRgb(255, 0, 0));
    }
};

QTEST_MAIN(TestLogo)
#include "test_logo.moc"
