// The handler boundary every button goes through: the focused box's check first, then the action,
// guarded; and the way out after a failure.

#include "common/platform.h"
#include "common/store.h"
#include "common/widgets.h"
#include "tests/support/testsupport.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

using common::withName;
using testsupport::named;

namespace {

// A window with two boxes that take digits only (a refusal says so and takes the focus back), and
// two buttons.
struct Janela : QDialog {
    QLineEdit* caixa = withName(new QLineEdit(this), QStringLiteral("caixa"));
    QLineEdit* outra = withName(new QLineEdit(this), QStringLiteral("outra"));
    QPushButton* gravar = withName(new QPushButton(QStringLiteral("&Gravar"), this), QStringLiteral("gravar"));
    QPushButton* falhar = withName(new QPushButton(QStringLiteral("&Falhar"), this), QStringLiteral("falhar"));
    int verificacoes = 0;
    int gravacoes = 0;
    bool checagemFalha = false;

    Janela()
    {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : {static_cast<QWidget*>(caixa), static_cast<QWidget*>(outra), static_cast<QWidget*>(gravar),
                           static_cast<QWidget*>(falhar)})
            layout->addWidget(w);
        for (QLineEdit* box : {caixa, outra})
            common::onLostFocus(box, [this, box] {
                ++verificacoes;
                if (checagemFalha)
                    throw common::StoreError(common::StoreError::NotOpen, QStringLiteral("fechado"));
                bool ok = false;
                box->text().toInt(&ok);
                if (ok)
                    return true;
                common::Messages::exclamation(this, QStringLiteral("Recusado!"), QStringLiteral("Só números"));
                box->clear();
                box->setFocus();
                return false;
            });
        common::onClick(gravar, [this] { ++gravacoes; });
        common::onClick(falhar, [] {
            throw common::StoreError(common::StoreError::NotOpen, QStringLiteral("O banco de dados não está aberto."));
        });
    }

    void abre()
    {
        show();
        QVERIFY(QTest::qWaitForWindowActive(this));
        caixa->setFocus();
    }
};

}  // namespace

class TestWidgets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }
    void init() { testsupport::resetPlatform(); }

    void the_focused_boxs_check_runs_once_before_the_button_data()
    {
        QTest::addColumn<bool>("teclado");
        QTest::newRow("access key") << true;
        QTest::newRow("mouse click") << false;
    }

    void the_focused_boxs_check_runs_once_before_the_button()
    {
        QFETCH(bool, teclado);
        Janela j;
        j.abre();
        auto aperta = [&] {
            if (teclado)
                testsupport::accessKey(&j, 'g');
            else
                QTest::mouseClick(j.gravar, Qt::LeftButton);
        };
        QTest::keyClicks(j.caixa, QStringLiteral("x"));
        aperta();
        QCOMPARE(j.verificacoes, 1);
        QCOMPARE(j.gravacoes, 0);  // refused: the action does not run
        QCOMPARE(testsupport::shownTitles(), QStringList{"Recusado!"});
        QCOMPARE(QApplication::focusWidget(), j.caixa);

        QTest::keyClicks(j.caixa, QStringLiteral("12"));
        aperta();
        QCOMPARE(j.verificacoes, 2);
        QCOMPARE(j.gravacoes, 1);
        QCOMPARE(common::Messages::shown().size(), 1);
        QCOMPARE(QApplication::focusWidget(), j.caixa);  // the button takes no focus from the mouse

        // Tabbing onto the button runs the check as the focus leaves; the button then acts at once.
        j.caixa->setText(QStringLiteral("7"));
        j.gravar->setFocus(Qt::TabFocusReason);
        QCOMPARE(j.verificacoes, 3);
        QTest::keyClick(j.gravar, Qt::Key_Space);
        QCOMPARE(j.verificacoes, 3);
        QCOMPARE(j.gravacoes, 2);
    }

    void a_check_that_takes_the_focus_back_starts_no_other_check()
    {
        Janela j;
        j.abre();
        QTest::keyClicks(j.caixa, QStringLiteral("x"));
        j.outra->setText(QStringLiteral("y"));  // would be refused too, were it left
        QTest::mouseClick(j.outra, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), j.caixa);
        QCOMPARE(j.verificacoes, 1);
        QCOMPARE(common::Messages::shown().size(), 1);
    }

    void a_failing_action_ends_the_program_through_the_event_loop()
    {
        Janela j;
        bool depois = false;
        const int code = testsupport::inEventLoop([&] {
            j.abre();
            j.caixa->setText(QStringLiteral("5"));
            testsupport::accessKey(&j, 'f');
            depois = true;
        });
        QCOMPARE(code, 1);
        QVERIFY(depois);  // the handler returned: nothing left the program from inside it
        QVERIFY(common::Exit::requested());
        QCOMPARE(testsupport::lastMessage().icon, QMessageBox::Critical);
        QVERIFY(
            testsupport::lastMessage().text.contains(QStringLiteral("Erro 3420: O banco de dados não está aberto.")));
        // Once leaving, no further action runs and nothing more is reported.
        QTest::mouseClick(j.gravar, Qt::LeftButton);
        QTest::mouseClick(j.falhar, Qt::LeftButton);
        QCOMPARE(j.gravacoes, 0);
        QCOMPARE(common::Messages::shown().size(), 1);
        QVERIFY(!common::runGuarded([] {}));
    }

    void a_failure_in_a_modal_screen_stops_the_handler_that_opened_it()
    {
        Janela fora;
        bool seguiu = false;
        common::onClick(fora.gravar, [&] {
            Janela dentro;
            common::Modal::setTestHandler([](QDialog& d) {
                auto& janela = static_cast<Janela&>(d);
                janela.abre();
                janela.caixa->setText(QStringLiteral("1"));
                QTest::mouseClick(janela.falhar, Qt::LeftButton);
                return 0;
            });
            common::Modal::exec(dentro);
            seguiu = true;  // what the outer handler would do next
        });
        const int code = testsupport::inEventLoop([&] {
            fora.abre();
            fora.caixa->setText(QStringLiteral("5"));
            QTest::mouseClick(fora.gravar, Qt::LeftButton);
        });
        common::Modal::setTestHandler({});
        QCOMPARE(code, 1);
        QVERIFY(!seguiu);
        QCOMPARE(common::Messages::shown().size(), 1);  // reported once
    }

    void a_failing_check_counts_as_a_refusal()
    {
        Janela j;
        j.checagemFalha = true;
        const int code = testsupport::inEventLoop([&] {
            j.abre();
            testsupport::accessKey(&j, 'g');
        });
        QCOMPARE(code, 1);
        QCOMPARE(j.verificacoes, 1);
        QCOMPARE(j.gravacoes, 0);
        QCOMPARE(testsupport::lastMessage().icon, QMessageBox::Critical);
    }

    void menu_items_run_guarded()
    {
        QAction item(QStringLiteral("&Item"));
        int vezes = 0;
        common::onTriggered(&item, [&] {
            ++vezes;
            throw std::runtime_error("quebrou");
        });
        const int code = testsupport::inEventLoop([&] { item.trigger(); });
        QCOMPARE(code, 1);
        QCOMPARE(vezes, 1);
        QVERIFY(testsupport::lastMessage().text.endsWith(QStringLiteral("quebrou")));
        item.trigger();  // leaving: not run again
        QCOMPARE(vezes, 1);
    }

    // A length limit never keeps half of an emoji: the cut falls before it, whether the text is set
    // or typed, and a text within the limit is left alone.
    void a_length_limit_cuts_at_a_whole_character()
    {
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        QLineEdit box;
        common::setMaxLength(&box, 4);
        box.setText(QStringLiteral("a") + emoji + emoji);
        QCOMPARE(box.text(), QStringLiteral("a") + emoji);
        box.setText(emoji + emoji + emoji);
        QCOMPARE(box.text(), emoji + emoji);
        box.setText(QStringLiteral("abc"));
        box.end(false);
        box.insert(emoji);
        QCOMPARE(box.text(), QStringLiteral("abc"));
        box.setText(QStringLiteral("ab") + emoji);
        QCOMPARE(box.text(), QStringLiteral("ab") + emoji);
        QCOMPARE(box.maxLength(), 4);
    }

    // A control placed in twips lands where an inch is 96 device-independent pixels, at a pixel
    // ratio of 1 and of 2 (this test runs itself again with the screen scaled twice).
    void placing_in_twips_ignores_the_pixel_ratio()
    {
        QWidget janela;
        janela.resize(400, 300);
        auto* caixa = new QWidget(&janela);
        common::placeTwips(caixa, 1440, 720, 2880, 1440);
        QCOMPARE(caixa->geometry(), QRect(96, 48, 192, 96));
        caixa->setAutoFillBackground(true);
        QPalette p = caixa->palette();
        p.setColor(QPalette::Window, Qt::red);
        caixa->setPalette(p);
        // On the screen the box covers a ratio's worth of pixels for each of its own.
        const qreal ratio = janela.devicePixelRatioF();
        const QImage tela = janela.grab().toImage();
        QCOMPARE(tela.size(), (QSizeF(400, 300) * ratio).toSize());
        QCOMPARE(tela.pixelColor(int(97 * ratio), int(49 * ratio)), QColor(Qt::red));
        QVERIFY(tela.pixelColor(int(95 * ratio), int(49 * ratio)) != QColor(Qt::red));
        QVERIFY(tela.pixelColor(int(289 * ratio), int(49 * ratio)) != QColor(Qt::red));
        if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
            QCOMPARE(ratio, 2.0);
            return;
        }
        QProcess escalado;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        escalado.setProcessEnvironment(ambiente);
        escalado.start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("placing_in_twips_ignores_the_pixel_ratio")});
        QVERIFY(escalado.waitForFinished(60000));
        QVERIFY2(escalado.exitCode() == 0, escalado.readAllStandardOutput().constData());
    }
};

QTEST_MAIN(TestWidgets)
#include "test_widgets.moc"
