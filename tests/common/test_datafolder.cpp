#include "common/datafolder.h"
#include "common/store.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// The choice of the database's folder, with a home folder of the test's own.
class TestDataFolder : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<QTemporaryDir> program_;
    QStringList seededPaths_;

    // Seeds the way the programs do: a table and one row, through the record store's creation.
    common::SeedDatabase seed()
    {
        return [this](const QString& path) {
            seededPaths_ << path;
            return common::createDatabaseFile(path,
                                              {QStringLiteral("CREATE TABLE Parametro (VersaoBD TEXT)"),
                                               QStringLiteral("INSERT INTO Parametro (VersaoBD) VALUES ('semente')")});
        };
    }

    QString userFolder() const { return home_->path() + QStringLiteral("/.local/share/kivo"); }

    // The program's folder as the install rules leave it: PREFIX/bin, with PREFIX/share/kivo/instalado.
    QString installed() const
    {
        const QString bin = program_->filePath(QStringLiteral("bin"));
        QDir().mkpath(bin);
        QDir().mkpath(program_->filePath(QStringLiteral("share/kivo")));
        QFile marker(program_->filePath(QStringLiteral("share/kivo/instalado")));
        marker.open(QIODevice::WriteOnly);
        return bin;
    }

    static QString mode(const QString& path)
    {
        struct stat st {};
        ::stat(QFile::encodeName(path).constData(), &st);
        return QString::number(st.st_mode & 0777, 8);
    }

    static QString versaoBD(const QString& path)
    {
        common::Database db;
        db.open(path);
        return common::Recordset::openQuery(db, QStringLiteral("SELECT VersaoBD FROM Parametro"))
            .text(QStringLiteral("VersaoBD"));
    }

private slots:
    void initTestCase()
    {
        testsupport::useTestPlatform();
        QCoreApplication::setApplicationName(QStringLiteral("kivo"));
    }

    void init()
    {
        home_ = std::make_unique<QTemporaryDir>();
        program_ = std::make_unique<QTemporaryDir>();
        seededPaths_.clear();
        qputenv("HOME", QFile::encodeName(home_->path()));
        qunsetenv("XDG_DATA_HOME");
    }

    void a_file_beside_the_program_is_used_as_it_is()
    {
        const QString beside = program_->filePath(QStringLiteral("CONTROLE.mdb"));
        QVERIFY(common::createDatabaseFile(beside, {QStringLiteral("CREATE TABLE Parametro (VersaoBD TEXT)")}));

        const common::DataFolder data = common::dataFolder(program_->path(), QStringLiteral("CONTROLE.mdb"), seed());
        QCOMPARE(data.folder, program_->path());
        QVERIFY(data.problem.isEmpty());
        QVERIFY(!data.seeded);
        QVERIFY(seededPaths_.isEmpty());
        QVERIFY2(!QDir(userFolder()).exists(), "nothing is created in the user's folder");
    }

    void a_copy_not_installed_without_its_file_uses_no_other()
    {
        // Even with the user's folder holding a file, as an installed copy left it.
        QVERIFY(QDir().mkpath(userFolder()));
        QVERIFY(common::createDatabaseFile(userFolder() + QStringLiteral("/CONTROLE.mdb"),
                                           {QStringLiteral("CREATE TABLE Parametro (VersaoBD TEXT)")}));
        QVERIFY(!common::isInstalledCopy(program_->path(), QStringLiteral("kivo")));
        const common::DataFolder data = common::dataFolder(program_->path(), QStringLiteral("CONTROLE.mdb"), seed());
        QCOMPARE(data.folder, program_->path());
        QCOMPARE(data.file, program_->filePath(QStringLiteral("CONTROLE.mdb")));
        QVERIFY(!data.installed);
        QVERIFY(data.problem.contains(data.file));
        QVERIFY(seededPaths_.isEmpty());
        QVERIFY(!QFile::exists(data.file));
    }

    void an_installed_copy_seeds_the_users_folder_on_its_first_start_only()
    {
        common::DataFolder data = common::dataFolder(installed(), QStringLiteral("CONTROLE.mdb"), seed());
        QCOMPARE(data.folder, userFolder());
        QVERIFY(data.installed);
        QVERIFY(data.problem.isEmpty());
        QVERIFY(data.seeded);
        const QString file = userFolder() + QStringLiteral("/CONTROLE.mdb");
        QCOMPARE(data.file, file);
        QCOMPARE(seededPaths_, QStringList{file});
        QCOMPARE(versaoBD(file), QStringLiteral("semente"));
        QVERIFY(!QFile::exists(installed() + QStringLiteral("/CONTROLE.mdb")));
        // Private: the new folders and the new file are the user's alone.
        QCOMPARE(mode(userFolder()), QStringLiteral("700"));
        QCOMPARE(mode(home_->path() + QStringLiteral("/.local")), QStringLiteral("700"));
        QCOMPARE(mode(file), QStringLiteral("600"));

        // The user's work is there on the next start, untouched.
        {
            common::Database db;
            db.open(file);
            db.execute(QStringLiteral("UPDATE Parametro SET VersaoBD = 'trabalho'"));
        }
        data = common::dataFolder(installed(), QStringLiteral("CONTROLE.mdb"), seed());
        QCOMPARE(data.folder, userFolder());
        QVERIFY(!data.seeded);
        QCOMPARE(seededPaths_.size(), 1);
        QCOMPARE(versaoBD(file), QStringLiteral("trabalho"));
    }

    void the_xdg_data_folder_is_followed()
    {
        const QString xdg = home_->filePath(QStringLiteral("dados"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(xdg));
        const common::DataFolder data = common::dataFolder(installed(), QStringLiteral("CONTROLE.mdb"), seed());
        QCOMPARE(data.folder, xdg + QStringLiteral("/kivo"));
        QVERIFY(QFile::exists(xdg + QStringLiteral("/kivo/CONTROLE.mdb")));
    }

    void a_folder_that_cannot_be_created_is_reported()
    {
        // A file where a folder should be stops even the superuser.
        const QString blocker = home_->filePath(QStringLiteral("arquivo"));
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        qputenv("XDG_DATA_HOME", QFile::encodeName(blocker + QStringLiteral("/dados")));

        const common::DataFolder data = common::dataFolder(installed(), QStringLiteral("CONTROLE.mdb"), seed());
        QCOMPARE(data.folder, blocker + QStringLiteral("/dados/kivo"));
        QVERIFY(data.problem.contains(data.folder));
        QVERIFY(!data.seeded);
        QVERIFY(seededPaths_.isEmpty());

        // The start-up then fails to open the file and its error report names the path.
        common::Database db;
        try {
            db.open(data.folder + QStringLiteral("/CONTROLE.mdb"));
            QFAIL("the database opened");
        } catch (const common::StoreError& e) {
            QCOMPARE(e.number(), int(common::StoreError::FileNotFound));
            QVERIFY(e.description().contains(data.folder));
        }
    }

    void a_folder_that_cannot_be_written_is_reported()
    {
        if (::geteuid() == 0)
            QSKIP("the superuser writes in any folder");
        QVERIFY(QDir().mkpath(userFolder()));
        QVERIFY(QFile::setPermissions(userFolder(), QFile::ReadOwner | QFile::ExeOwner));
        const QString bin = installed();
        const common::DataFolder data = common::dataFolder(bin, QStringLiteral("CONTROLE.mdb"), seed());
        QFile::setPermissions(userFolder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(data.folder, userFolder());
        QVERIFY(!data.problem.isEmpty());
        QVERIFY(!QFile::exists(userFolder() + QStringLiteral("/CONTROLE.mdb")));
    }

    void a_failed_seed_is_reported_and_leaves_no_file()
    {
        const common::DataFolder data =
            common::dataFolder(installed(), QStringLiteral("CONTROLE.mdb"), [](const QString& path) {
                return common::createDatabaseFile(path, {QStringLiteral("CREATE TABLE quebrada (")});
            });
        QCOMPARE(data.folder, userFolder());
        QVERIFY(data.problem.contains(QStringLiteral("CONTROLE.mdb")));
        QVERIFY(!data.seeded);
        QVERIFY(!QFile::exists(userFolder() + QStringLiteral("/CONTROLE.mdb")));
    }
};

QTEST_GUILESS_MAIN(TestDataFolder)
#include "test_datafolder.moc"
