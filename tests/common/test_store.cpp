#include "common/datasource.h"
#include "common/formats.h"
#include "common/store.h"
#include "tests/support/testsupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

using common::Database;
using common::Recordset;
using common::StoreError;

namespace {

// A small file with the kinds of field the programs use.
void createSample(const QString& path)
{
    common::createDatabaseFile(
        path, {"CREATE TABLE Itens (Codigo INTEGER PRIMARY KEY AUTOINCREMENT, Ativo TEXT, Nome TEXT, "
               "GUT REAL, Qtde NUMERIC, Peso, DataFinal DATE)",
               "CREATE TABLE Parametro (Idioma INTEGER, VersaoBD TEXT)", "INSERT INTO Parametro VALUES (3, '1.0')",
               "INSERT INTO Itens (Ativo, Nome, GUT, Qtde, Peso, DataFinal) VALUES "
               "('1', 'baixo', 8, '', '', 2461383), ('1', 'alto', 64, 5, 0.5, 2461390), "
               "('0', 'feito', 27, 5, '', 2461400), ('1', 'medio', 27, 5, '', 2461385)"});
}

int expectError(const std::function<void()>& action)
{
    try {
        action();
    } catch (const StoreError& e) {
        return e.number();
    }
    return 0;
}

QStringList names(Recordset& rs)
{
    QStringList out;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        out << rs.text("Nome");
    return out;
}

}  // namespace

class TestStore : public QObject {
    Q_OBJECT

    testsupport::Folder folder_;
    QString path_;
    Database db_;

private slots:
    void initTestCase() { testsupport::useTestPlatform(); }

    void init()
    {
        testsupport::resetPlatform();
        db_.close();
        path_ = folder_.file(QStringLiteral("%1.mdb").arg(QTest::currentTestFunction()));
        QFile::remove(path_);
        createSample(path_);
        db_.open(path_, QStringLiteral(";pwd=PanoRoxo"));
    }

    void opening_refuses_what_is_not_a_database()
    {
        Database db;
        const QString missing = folder_.file(QStringLiteral("nada.mdb"));
        QCOMPARE(expectError([&] { db.open(missing); }), int(StoreError::FileNotFound));
        QVERIFY2(!QFile::exists(missing), "opening must not create a file");

        const QString text = folder_.file(QStringLiteral("texto.mdb"));
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("isto não é um banco de dados\n");
        f.close();
        try {
            db.open(text);
            QFAIL("a text file opened as a database");
        } catch (const StoreError& e) {
            QCOMPARE(e.number(), int(StoreError::NotADatabase));
            QVERIFY(e.description().contains(QLatin1String("texto.mdb")));
        }
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("isto não é um banco de dados\n"));
        QVERIFY(!db.isOpen());
    }

    void every_connect_string_opens_the_file()
    {
        for (const QString& c : {QStringLiteral(";pwd=418302"), QStringLiteral("Access 2000;"),
                                 QStringLiteral(";LANGID=0x0409;CP=1252;COUNTRY=0"), QString()}) {
            Database other;
            other.open(path_, c);
            QVERIFY(other.isOpen());
        }
    }

    void engine_errors_are_told_by_their_code()
    {
        // Messages that merely mention a lock ("no such column: locked") are not a lock.
        QCOMPARE(expectError([&] { db_.execute("UPDATE Itens SET locked = 1"); }), int(StoreError::Engine));
        QCOMPARE(expectError([&] { Recordset::openQuery(db_, "Select busy FROM Itens"); }), int(StoreError::Engine));
        QCOMPARE(expectError([&] { Recordset::openWhere(db_, "busy", {}, {}); }), int(StoreError::TableNotFound));
        QVERIFY(db_.isOpen());
    }

    void a_busy_database_reports_the_lock_after_a_bounded_wait()
    {
        // Another program holds the write lock.
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open_v2(path_.toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        db_.setBusyTimeout(300);

        Recordset rs = Recordset::openTable(db_, QStringLiteral("Itens"));  // reading goes on
        QElapsedTimer waited;
        waited.start();
        rs.edit();
        rs.setValue("Nome", "bloqueado");
        QCOMPARE(expectError([&] { rs.update(); }), int(StoreError::Locked));
        QVERIFY2(waited.elapsed() >= 250, "gave up without waiting");
        QVERIFY2(waited.elapsed() < 4000, "waited beyond its bound");
        QCOMPARE(expectError([&] { common::Transaction t(db_); }), int(StoreError::Locked));

        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        rs.update();  // the edit is still pending and now goes through
        QCOMPARE(Recordset::openTable(db_, QStringLiteral("Itens")).text("Nome"), QStringLiteral("bloqueado"));
    }

    void a_table_is_walked_in_key_order()
    {
        Recordset rs = Recordset::openTable(db_, QStringLiteral("Itens"));
        rs.setIndex(QStringLiteral("PrimaryKey"));
        QCOMPARE(rs.recordCount(), 4);
        QVERIFY(!rs.bof());
        QCOMPARE(names(rs), QStringList({"baixo", "alto", "feito", "medio"}));
        QVERIFY(rs.eof());
        QCOMPARE(expectError([&] { rs.value("Nome"); }), int(StoreError::NoCurrentRecord));
        QCOMPARE(expectError([&] { rs.moveNext(); }), int(StoreError::NoCurrentRecord));
        rs.moveLast();
        QCOMPARE(rs.text("Nome"), QStringLiteral("medio"));
        rs.movePrevious();
        rs.movePrevious();
        rs.movePrevious();
        rs.movePrevious();
        QVERIFY(rs.bof());
        QCOMPARE(expectError([&] { rs.setIndex("Outro"); }), int(StoreError::BadIndex));

        Recordset empty = Recordset::openQuery(db_, "Select * FROM Itens WHERE Ativo = '9'");
        QVERIFY(empty.eof() && empty.bof());
        QCOMPARE(empty.recordCount(), 0);
    }

    void seek_finds_a_key_or_says_no_match()
    {
        Recordset rs = Recordset::openTable(db_, QStringLiteral("Itens"));
        rs.setIndex(QStringLiteral("PrimaryKey"));
        rs.seek("=", 3);
        QVERIFY(!rs.noMatch());
        QCOMPARE(rs.text("Nome"), QStringLiteral("feito"));
        rs.seek("=", QStringLiteral("2"));  // a key read from a grid cell
        QCOMPARE(rs.text("Nome"), QStringLiteral("alto"));
        rs.seek("=", 99);
        QVERIFY(rs.noMatch());
        rs.seek("=", QString());  // an empty grid row
        QVERIFY(rs.noMatch());
        rs.seek(">=", 3);
        QCOMPARE(rs.text("Nome"), QStringLiteral("feito"));
        rs.seek(">", 3);
        QCOMPARE(rs.text("Nome"), QStringLiteral("medio"));
        rs.seek("<", 2);
        QCOMPARE(rs.text("Nome"), QStringLiteral("baixo"));
    }

    void field_names_ignore_letter_case()
    {
        Recordset rs = Recordset::openTable(db_, QStringLiteral("itens"));
        QCOMPARE(rs.value("nome"), rs.value("NOME"));
        rs.edit();
        rs.setValue("datafinal", QDate(2027, 1, 1));
        rs.setValue("DATAFINAL", QDate(2027, 1, 2));
        rs.update();
        QCOMPARE(rs.value("DataFinal").toDate(), QDate(2027, 1, 2));
        QCOMPARE(expectError([&] { rs.value("Inexistente"); }), int(StoreError::FieldNotFound));
        QCOMPARE(expectError([&] { Recordset::openTable(db_, "Inexistente"); }), int(StoreError::TableNotFound));
    }

    void edits_are_stored_at_once_and_seen_later()
    {
        Recordset rs = Recordset::openTable(db_, QStringLiteral("Itens"));
        QCOMPARE(expectError([&] { rs.setValue("Nome", "x"); }), int(StoreError::NotEditing));
        rs.edit();
        rs.setValue("Nome", "O'Brien; DROP TABLE Itens");  // user text goes in as it is
        QCOMPARE(rs.text("Nome"), QStringLiteral("O'Brien; DROP TABLE Itens"));
        rs.update();

        Database other;
        other.open(path_);
        Recordset later = Recordset::openTable(other, QStringLiteral("Itens"));
        QCOMPARE(later.text("Nome"), QStringLiteral("O'Brien; DROP TABLE Itens"));

        rs.edit();
        rs.setValue("Nome", "descartado");
        rs.cancelUpdate();
        QCOMPARE(rs.text("Nome"), QStringLiteral("O'Brien; DROP TABLE Itens"));
    }

    void values_keep_their_kind()
    {
        Recordset rs = Recordset::openTable(db_, QStringLiteral("Itens"));
        // Seeded empties come back as the empty text, numbers as numbers, dates as dates.
        QCOMPARE(rs.value("Qtde").toString(), QString());
        QCOMPARE(rs.value("Peso").toString(), QString());
        QCOMPARE(rs.value("DataFinal").toDate(), QDate::fromJulianDay(2461383));
        QCOMPARE(rs.value("GUT").toDouble(), 8.0);

        rs.edit();
        rs.setValue("GUT", "3,5");  // a caption in the user's locale
        rs.setValue("Qtde", "5");   // the text of a count box
        rs.setValue("Peso", "");    // a cleared weight stays the empty text
        rs.setValue("DataFinal", "31/01/2027");
        rs.update();
        Recordset again = Recordset::openTable(db_, QStringLiteral("Itens"));
        QCOMPARE(again.value("GUT").toDouble(), 3.5);
        QCOMPARE(again.value("Qtde").toInt(), 5);
        QVERIFY(common::isNumeric(again.text("Qtde")));
        QCOMPARE(again.value("Peso").toString(), QString());
        QCOMPARE(again.value("DataFinal").toDate(), QDate(2027, 1, 31));

        again.edit();
        QCOMPARE(expectError([&] { again.setValue("GUT", "muito"); }), int(StoreError::TypeMismatch));
        QCOMPARE(expectError([&] { again.setValue("DataFinal", "__/__/____"); }), int(StoreError::TypeMismatch));
        again.setValue("Qtde", "abc");  // a count that is not a number is kept as written
        again.setValue("Peso", 0.5);
        again.setValue("Nome", QString());  // the text of an empty box
        again.update();
        Recordset third = Recordset::openTable(db_, QStringLiteral("Itens"));
        QCOMPARE(third.value("Qtde").toString(), QStringLiteral("abc"));
        QCOMPARE(third.value("Peso").toDouble(), 0.5);
        QVERIFY(!third.value("Nome").isNull());
        QCOMPARE(third.text("Nome"), QString());
        third.edit();
        third.setValue("Nome", QVariant());  // only an explicit null is stored as null
        third.update();
        QVERIFY(Recordset::openTable(db_, QStringLiteral("Itens")).value("Nome").isNull());
    }

    void numbers_show_in_the_users_locale()
    {
        Recordset rs = Recordset::openTable(db_, QStringLiteral("Itens"));
        rs.edit();
        rs.setValue("GUT", 1.5);
        rs.update();
        QCOMPARE(rs.text("GUT"), QStringLiteral("1,5"));
        common::setUserLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(rs.text("GUT"), QStringLiteral("1.5"));
        QCOMPARE(rs.text("DataFinal"), QStringLiteral("08/12/2026"));  // dates are always day first
    }

    void queries_sort_by_negated_numbers_and_dates()
    {
        Recordset byGut = Recordset::openQuery(db_, "Select * FROM Itens WHERE Ativo = '1' ORDER BY -GUT, Nome");
        QCOMPARE(names(byGut), QStringList({"alto", "medio", "baixo"}));
        Recordset byDate = Recordset::openQuery(db_, "Select * FROM Itens ORDER BY -DataFinal");
        QCOMPARE(names(byDate), QStringList({"feito", "alto", "medio", "baixo"}));
        Recordset ascending = Recordset::openQuery(db_, "Select * FROM Itens ORDER BY DataFinal");
        QCOMPARE(names(ascending), QStringList({"baixo", "medio", "alto", "feito"}));
    }

    void a_query_on_one_table_can_be_edited()
    {
        Recordset rs = Recordset::openWhere(db_, "Itens", {}, "Codigo");
        rs.moveNext();
        rs.edit();
        rs.setValue("Nome", "editado");
        rs.update();
        Recordset table = Recordset::openTable(db_, QStringLiteral("Itens"));
        table.seek("=", 2);
        QCOMPARE(table.text("Nome"), QStringLiteral("editado"));

        Recordset partial = Recordset::openQuery(db_, "Select Nome FROM Itens");
        QCOMPARE(expectError([&] { partial.edit(); }), int(StoreError::ReadOnly));
        // An SQL text is only read, however plainly it reads one table; its dates still read as dates.
        Recordset whole = Recordset::openQuery(db_, "Select * FROM Itens order by Codigo");
        QCOMPARE(whole.value("DataFinal").toDate(), QDate::fromJulianDay(2461383));
        QCOMPARE(expectError([&] { whole.edit(); }), int(StoreError::ReadOnly));
        QCOMPARE(expectError([&] { whole.addNew(); }), int(StoreError::ReadOnly));
        QCOMPARE(expectError([&] { whole.deleteRecord(); }), int(StoreError::ReadOnly));
        QCOMPARE(Recordset::openTable(db_, QStringLiteral("Itens")).recordCount(), 4);

        rs.requery();
        QCOMPARE(rs.absolutePosition(), 0);
        rs.moveNext();
        QCOMPARE(rs.text("Nome"), QStringLiteral("editado"));
    }

    void rows_meeting_a_condition_are_written_through()
    {
        // The condition's values are bound; the rows come in the order asked for.
        Recordset rs = Recordset::openWhere(db_, "Itens", "Ativo = ? AND GUT >= ?", "-GUT", {"1", 10});
        QCOMPARE(names(rs), QStringList({"alto", "medio"}));
        rs.moveFirst();
        rs.edit();
        rs.setValue("GUT", 20);
        rs.update();
        rs.addNew();
        rs.setValue("Ativo", "1");
        rs.setValue("Nome", "novo");
        rs.setValue("GUT", 100);
        rs.update();
        QCOMPARE(rs.recordCount(), 3);
        rs.moveLast();
        QCOMPARE(rs.value("Codigo").toInt(), 5);
        QCOMPARE(rs.text("Nome"), QStringLiteral("novo"));  // at the end until read again
        rs.moveFirst();
        rs.moveNext();
        rs.deleteRecord();  // "medio"
        QCOMPARE(rs.text("Nome"), QStringLiteral("novo"));

        // Read again: the same condition and order over what the file now holds.
        db_.execute("INSERT INTO Itens (Ativo, Nome, GUT) VALUES ('0', 'fora', 50)");
        rs.requery();
        QCOMPARE(names(rs), QStringList({"novo", "alto"}));
        Recordset all = Recordset::openTable(db_, QStringLiteral("Itens"));
        QCOMPARE(names(all), QStringList({"baixo", "alto", "feito", "novo", "fora"}));

        // Some fields only, unsorted, read at once: still written by the key they do not show.
        Recordset few = Recordset::openWhere(db_, {"Itens", "Ativo = ?", {}, {"0"}, {"Nome", "GUT"}});
        QCOMPARE(few.fieldCount(), 2);
        QCOMPARE(few.recordCount(), 2);
        few.moveLast();
        few.edit();
        few.setValue("GUT", 51);
        few.update();
        Recordset table = Recordset::openTable(db_, QStringLiteral("Itens"));
        table.seek("=", 6);
        QCOMPARE(table.value("GUT").toDouble(), 51.0);
        QCOMPARE(expectError([&] {
                     Recordset::openWhere(db_, {"Itens", {}, {}, {}, {"Nome", "Nada"}});
                 }),
                 int(StoreError::FieldNotFound));
    }

    void user_text_in_a_bound_value_is_taken_as_it_is()
    {
        const QString text = QStringLiteral("O'Brien \"x\" '); DELETE FROM Itens; --");
        Recordset rs = Recordset::openWhere(db_, "Itens", "Nome = ?", {}, {"alto"});
        rs.edit();
        rs.setValue("Nome", text);
        rs.update();
        Recordset found = Recordset::openWhere(db_, "Itens", "Nome = ?", "Codigo", {text});
        QCOMPARE(found.recordCount(), 1);
        QCOMPARE(found.text("Nome"), text);
        QCOMPARE(found.value("Codigo").toInt(), 2);
        QCOMPARE(Recordset::openTable(db_, QStringLiteral("Itens")).recordCount(), 4);
    }

    void records_are_added_and_deleted()
    {
        Recordset rs = Recordset::openTable(db_, QStringLiteral("Itens"));
        rs.addNew();
        rs.setValue("Ativo", "1");
        rs.setValue("Nome", "novo");
        rs.update();
        QCOMPARE(rs.recordCount(), 5);
        QCOMPARE(rs.text("Nome"), QStringLiteral("baixo"));  // the position does not move
        rs.moveLast();
        QCOMPARE(rs.value("Codigo").toInt(), 5);  // the key comes from the table
        rs.deleteRecord();
        QCOMPARE(rs.recordCount(), 4);
        QVERIFY(rs.eof());
        Recordset again = Recordset::openTable(db_, QStringLiteral("Itens"));
        QCOMPARE(again.recordCount(), 4);
        QVERIFY(!names(again).contains("novo"));
    }

    void a_transaction_writes_all_or_nothing()
    {
        {
            common::Transaction t(db_);
            Recordset rs = Recordset::openTable(db_, QStringLiteral("Itens"));
            for (; !rs.eof(); rs.moveNext()) {
                rs.edit();
                rs.setValue("GUT", 1);
                rs.update();
            }
            // not committed: rolled back when it ends
        }
        Recordset after = Recordset::openTable(db_, QStringLiteral("Itens"));
        QCOMPARE(after.value("GUT").toDouble(), 8.0);
        {
            common::Transaction t(db_);
            after.edit();
            after.setValue("GUT", 2);
            after.update();
            t.commit();
        }
        Database other;
        other.open(path_);
        QCOMPARE(Recordset::openTable(other, "Itens").value("GUT").toDouble(), 2.0);
    }

    // The failures a user can act on carry their kind and the file, and undo their transaction.
    void a_failed_write_says_why_and_changes_nothing()
    {
        const QByteArray before = testsupport::fileBytes(path_);
        const QString first = Recordset::openTable(db_, "Itens").text("Nome");
        auto fill = [&] {
            common::Transaction t(db_);
            Recordset rs = Recordset::openTable(db_, QStringLiteral("Itens"));
            rs.edit();
            rs.setValue("Nome", "primeiro");
            rs.update();
            for (int i = 0; i < 400; ++i) {
                rs.addNew();
                rs.setValue("Nome", QString(500, QLatin1Char('x')));
                rs.update();
            }
            t.commit();
        };
        auto kindOf = [&](const std::function<void()>& action) {
            try {
                action();
            } catch (const StoreError& e) {
                if (e.actionable())
                    [&] { QCOMPARE(e.file(), QFileInfo(path_).absoluteFilePath()); }();
                return e.kind();
            }
            return StoreError::Kind::Fatal;
        };

        // A full disk: the file may grow no further.
        db_.execute(QStringLiteral("PRAGMA max_page_count = %1").arg(QFileInfo(path_).size() / 4096 + 1));
        QCOMPARE(kindOf(fill), StoreError::Kind::DiskFull);
        QCOMPARE(Recordset::openTable(db_, "Itens").text("Nome"), first);

        // Another program holds the write lock past the bounded wait.
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open_v2(path_.toUtf8().constData(), &other, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        db_.setBusyTimeout(100);
        QCOMPARE(kindOf(fill), StoreError::Kind::Busy);
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);

        // A file that may only be read: refused before anything is written; writes outside a
        // transaction are refused by the engine.
        db_.openReadOnly(path_);
        QVERIFY(db_.isReadOnly());
        QCOMPARE(kindOf(fill), StoreError::Kind::ReadOnly);
        QCOMPARE(kindOf([&] { db_.execute("UPDATE Itens SET Nome = 'x'"); }), StoreError::Kind::ReadOnly);
        QCOMPARE(testsupport::fileBytes(path_), before);

        // Faults of ours are no such failure: they end the program.
        db_.open(path_);
        QVERIFY(!db_.isReadOnly());
        QCOMPARE(kindOf([&] { db_.execute("UPDATE Nada SET x = 1"); }), StoreError::Kind::Fatal);
    }

    void new_files_are_private_and_old_ones_keep_their_mode()
    {
        const QString fresh = folder_.file(QStringLiteral("novo.mdb"));
        QFile::remove(fresh);
        QVERIFY(common::createDatabaseFile(fresh, {QStringLiteral("CREATE TABLE t (x)")}));
        QCOMPARE(QFile::permissions(fresh) & 0x7777,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QVERIFY(QFile::setPermissions(path_, QFile::permissions(path_) | QFile::ReadOther));
        const auto old = QFile::permissions(path_);
        db_.execute("UPDATE Itens SET Nome = 'novo'");
        QCOMPARE(QFile::permissions(path_), old);
    }

    void an_inner_rollback_undoes_only_the_inner_work()
    {
        Database reader;
        reader.open(path_);
        auto gut = [](Database& db, int codigo) {
            Recordset rs = Recordset::openTable(db, QStringLiteral("Itens"));
            rs.seek("=", codigo);
            return rs.value("GUT").toDouble();
        };
        auto setGut = [this](int codigo, double value) {
            Recordset rs = Recordset::openTable(db_, QStringLiteral("Itens"));
            rs.seek("=", codigo);
            rs.edit();
            rs.setValue("GUT", value);
            rs.update();
        };
        {
            common::Transaction outer(db_);
            setGut(1, 91);
            {
                common::Transaction inner(db_);
                setGut(2, 92);
                QCOMPARE(gut(db_, 2), 92.0);
                // ends without a commit
            }
            QCOMPARE(gut(db_, 2), 64.0);
            setGut(3, 93);
            // Still one transaction: nothing reached the file yet.
            QCOMPARE(gut(reader, 1), 8.0);
            QCOMPARE(gut(reader, 3), 27.0);
            outer.commit();
        }
        QCOMPARE(gut(reader, 1), 91.0);
        QCOMPARE(gut(reader, 2), 64.0);
        QCOMPARE(gut(reader, 3), 93.0);

        // An inner commit is kept only when the outer one commits.
        {
            common::Transaction outer(db_);
            {
                common::Transaction inner(db_);
                setGut(4, 94);
                inner.commit();
            }
        }
        QCOMPARE(gut(reader, 4), 27.0);
        common::Transaction next(db_);
        setGut(4, 95);
        next.commit();
        QCOMPARE(gut(reader, 4), 95.0);
    }

    void every_field_set_is_written_whatever_the_set_last_read()
    {
        Recordset first = Recordset::openTable(db_, QStringLiteral("Itens"));
        Recordset second = Recordset::openTable(db_, QStringLiteral("Itens"));
        first.edit();
        first.setValue("Nome", "mudado");
        first.update();
        // The second set still holds "baixo": putting it back must still reach the file.
        second.edit();
        second.setValue("Nome", "baixo");
        second.update();
        QCOMPARE(Recordset::openTable(db_, QStringLiteral("Itens")).text("Nome"), QStringLiteral("baixo"));
    }

    void a_vanished_record_is_neither_updated_nor_deleted()
    {
        Recordset first = Recordset::openTable(db_, QStringLiteral("Itens"));
        Recordset second = Recordset::openTable(db_, QStringLiteral("Itens"));
        first.deleteRecord();
        second.edit();
        second.setValue("Nome", "fantasma");
        QCOMPARE(expectError([&] { second.update(); }), int(StoreError::RecordDeleted));
        QCOMPARE(expectError([&] { second.deleteRecord(); }), int(StoreError::RecordDeleted));
        Recordset again = Recordset::openTable(db_, QStringLiteral("Itens"));
        QCOMPARE(names(again), QStringList({"alto", "feito", "medio"}));
    }

    void a_large_set_reads_every_row_in_the_querys_order()
    {
        {
            common::Transaction t(db_);
            for (int i = 0; i < 200; ++i)
                db_.execute("INSERT INTO Itens (Ativo, Nome, GUT) VALUES ('1', ?, ?)",
                            {QStringLiteral("n%1").arg(i), 1000 + (i * 37) % 200});
            t.commit();
        }
        Recordset sorted = Recordset::openWhere(db_, "Itens", "Ativo = '1'", "-GUT");
        Recordset byNumber = Recordset::openQuery(db_, "Select * FROM Itens WHERE Ativo = '1' ORDER BY 4 DESC");
        QCOMPARE(sorted.recordCount(), 203);
        // Another set deletes a row these two have not read yet.
        Recordset table = Recordset::openTable(db_, QStringLiteral("Itens"));
        table.seek("=", 1);
        table.deleteRecord();
        double last = 1e9;
        for (int row = 0; row < 200; ++row) {
            const double gut = sorted.valueAt(row, 3).toDouble();
            QVERIFY(gut < last);
            QCOMPARE(byNumber.valueAt(row, 3).toDouble(), gut);
            last = gut;
        }
        sorted.moveLast();  // "baixo", deleted since: its fields read as empty
        QVERIFY(sorted.value("Nome").isNull());
        QCOMPARE(expectError([&] { sorted.deleteRecord(); }), int(StoreError::RecordDeleted));
    }

    void a_data_source_shows_and_refreshes_its_rows()
    {
        common::DataSource data(db_);
        data.setConnect(QStringLiteral("Access 2000;"));
        data.setDatabaseName(path_);
        data.setRecordSource({QStringLiteral("Itens"), QStringLiteral("Ativo = '0'"), QStringLiteral("-DataFinal")});
        data.refresh();
        QCOMPARE(data.rowCount(), 1);
        QCOMPARE(data.columnCount(), 7);
        QCOMPARE(data.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Nome"));
        QCOMPARE(data.index(0, 2).data().toString(), QStringLiteral("feito"));

        data.recordset().edit();
        data.recordset().setValue("Ativo", "1");
        data.recordset().update();
        data.refresh();
        QCOMPARE(data.rowCount(), 0);
    }
};

QTEST_MAIN(TestStore)
#include "test_store.moc"
