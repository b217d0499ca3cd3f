#include "tests/support/hostile.h"

#include "common/formats.h"
#include "common/store.h"
#include "tests/support/testsupport.h"

#include <QDate>
#include <QElapsedTimer>
#include <QTest>
#include <QVariant>

#include <algorithm>

namespace testsupport {

namespace {

QString repeated(const QString& piece, int units)
{
    QString s;
    s.reserve(units + piece.size());
    while (s.size() < units)
        s += piece;
    return s.left(units);
}

QList<HostileInput> build()
{
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // 😀, two UTF-16 units
    QList<HostileInput> t{
        {"vazio", QString()},
        {"brancos", QStringLiteral("     ")},
        {"tabulações e brancos", QStringLiteral(" \t \t ")},
        // 100,000 units; an odd start puts a surrogate pair across every even length limit.
        {"100000 letras", repeated(QStringLiteral("x"), 100000)},
        {"100000 dígitos", repeated(QStringLiteral("9"), 100000)},
        {"100000 emoji", QStringLiteral("a") + repeated(emoji, 99998) + QStringLiteral("b")},
        {"100000 emoji par", repeated(emoji, 100000)},
        {"emoji", QString::fromUtf8("Reunião \xF0\x9F\x98\x80\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD fim")},
        {"família", QString::fromUtf8("\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7")},
        {"plano suplementar", QString::fromUtf8("\xF0\x9D\x84\x9E \xF0\x9D\x95\x8F \xF0\xA0\x80\x80")},
        {"marcas combinantes", QString::fromUtf8("e\xCC\x81\xCC\x81 a\xCC\x88 Z\xCD\x91\xCD\x92\xCD\x93")},
        {"direita para esquerda",
         QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D \xD8\xB9\xD8\xB1\xD8\xA8\xD9\x8A 12")},
        {"marca de direção", QString::fromUtf8("\xE2\x80\xAE"
                                               "abc"
                                               "\xE2\x80\xAC")},
        {"aspas", QStringLiteral("'\"`\u00B4 \u201Caspas\u201D 'x'")},
        {"barras invertidas", QStringLiteral("C:\\temp\\x\\0 \\n \\' \\\\")},
        {"SQL", QStringLiteral("'; DROP TABLE Atividades; --")},
        {"SQL critérios", QStringLiteral("x'); DELETE FROM Criterios; --")},
        {"SQL or", QStringLiteral("\" OR 1=1 --")},
        {"percentual", QStringLiteral("%s %d %n %1 %%")},
        {"1..5", QStringLiteral("1..5")},
        {",5", QStringLiteral(",5")},
        {"5,", QStringLiteral("5,")},
        {".5", QStringLiteral(".5")},
        {"5.", QStringLiteral("5.")},
        {"1.000,5,3", QStringLiteral("1.000,5,3")},
        {"1,000.5.3", QStringLiteral("1,000.5.3")},
        {"1.000", QStringLiteral("1.000")},
        {"1,000", QStringLiteral("1,000")},
        {"só vírgula", QStringLiteral(",")},
        {"só ponto", QStringLiteral(".")},
        {"1e308", QStringLiteral("1e308")},
        {"-1e308", QStringLiteral("-1e308")},
        {"1e309", QStringLiteral("1e309")},
        {"4,9e-324", QStringLiteral("4,9e-324")},
        {"1e-400", QStringLiteral("1e-400")},
        {"-0", QStringLiteral("-0")},
        {"menos unicode 0", QString(QChar(0x2212)) + QStringLiteral("0")},
        {"NaN", QStringLiteral("NaN")},
        {"inf", QStringLiteral("inf")},
        {"-inf", QStringLiteral("-inf")},
        {"Infinity", QStringLiteral("Infinity")},
        {"hexadecimal", QStringLiteral("0x10")},
        {"dígitos árabes", QString::fromUtf8("\xD9\xA5")},
        {"5 de largura total", QString::fromUtf8("\xEF\xBC\x95")},
        {"nulo", QStringLiteral("a") + QChar(0) + QStringLiteral("b")},
        {"controles", QStringLiteral("\x01\x07\x08\x1b[31mx\x7f")},
        {"quebras de linha", QStringLiteral("linha1\r\nlinha2\nlinha3\r")},
        {"número com controles", QStringLiteral("\t5\n")},
        {"largura zero", QStringLiteral("\u200B\uFEFF\u200D")},
    };
    return t;
}

bool isHigh(QChar c)
{
    return c.isHighSurrogate();
}
bool isLow(QChar c)
{
    return c.isLowSurrogate();
}

}  // namespace

const QList<HostileInput>& hostileInputs()
{
    static const QList<HostileInput> table = build();
    return table;
}

QString cutAt(const QString& text, int max)
{
    if (max <= 0 || text.size() <= max)
        return text;
    QString cut = text.left(max);
    if (isHigh(cut.back()))
        cut.chop(1);
    return cut;
}

bool wholeCharacters(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isHigh(text[i])) {
            if (i + 1 >= text.size() || !isLow(text[i + 1]))
                return false;
            ++i;
        } else if (isLow(text[i])) {
            return false;
        }
    }
    return true;
}

QStringList snapshot(common::Database& db, const QStringList& tables)
{
    QStringList out;
    for (const QString& table : tables) {
        common::Recordset rs = common::Recordset::openTable(db, table);
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            QStringList row{table};
            for (int c = 0; c < rs.fieldCount(); ++c) {
                const QVariant v = rs.value(rs.fieldName(c));
                QString shown;
                if (v.isNull())
                    shown = QStringLiteral("<null>");
                else if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Int ||
                         v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Short)
                    shown = QString::number(v.toDouble(), 'g', 17);
                else if (v.typeId() == QMetaType::QDate)
                    shown = v.toDate().toString(Qt::ISODate);
                else
                    shown = QStringLiteral("'") + v.toString() + QStringLiteral("'");
                row << rs.fieldName(c) + QStringLiteral("=") + shown;
            }
            out << row.join(QStringLiteral("|"));
        }
    }
    return out;
}

void tryEveryInput(common::Database& db, const QStringList& tables, const char* box, const QList<const char*>& locales,
                   const QString& shortDate, const std::function<void(const QString&)>& one,
                   const std::function<void()>& undo, int& tried)
{
    const QStringList before = snapshot(db, tables);
    int n = 0;
    for (const char* locale : locales) {
        for (const HostileInput& input : hostileInputs()) {
            resetPlatform();
            common::setUserLocale(QLocale(QLatin1String(locale)), shortDate);
            QElapsedTimer clock;
            clock.start();
            one(input.text);
            ++n;
            if (clock.elapsed() > 100)
                qInfo("slow case \"%s\": %lld ms", qPrintable(input.name), clock.elapsed());
            if (QTest::currentTestFailed()) {
                qWarning("%s: case \"%s\" under %s", box, qPrintable(input.name), locale);
                return;
            }
            if (undo)
                undo();
            const QStringList after = snapshot(db, tables);
            if (after != before) {
                for (int i = 0; i < std::min(after.size(), before.size()); ++i)
                    if (after[i] != before[i])
                        qWarning("changed: %s", qPrintable(after[i].left(400)));
                QFAIL(qPrintable(QStringLiteral("%1: case \"%2\" under %3 changed another record")
                                     .arg(QLatin1String(box), input.name, QLatin1String(locale))));
            }
        }
    }
    tried += n;
    qInfo("%s: %d inputs tried", box, n);
}

}  // namespace testsupport
