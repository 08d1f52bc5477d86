// The core table that ships beside the program: every record must load, and the values
// must be the catalogue data of the cores they name.
#include "coretable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace corvane;

namespace {

// The build copies the shipped table into bin/, beside the program; the tests live in tests/.
QString shippedTablePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin/quillet.ini"));
}

// "T50-2" -> size 50, mix "2"; "FT240-43" -> size 240, material "43".
struct CoreKind
{
    bool ferrite = false;
    int size = 0; // outer diameter in hundredths of an inch
    QString mix;
};

bool parseName(const QString &name, CoreKind &kind)
{
    static const QRegularExpression pattern(QStringLiteral("^(FT|T)(\\d+)-(\\d+)$"));
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch())
        return false;
    kind.ferrite = m.captured(1) == QLatin1String("FT");
    kind.size = m.captured(2).toInt();
    kind.mix = m.captured(3);
    return true;
}

} // namespace

class tst_ShippedTable : public QObject
{
    Q_OBJECT

private:
    QByteArray bytes;
    QList<QByteArray> lines;
    CoreTable table;

private slots:
    void initTestCase()
    {
        QFile file(shippedTablePath());
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        bytes = file.readAll();
        lines = bytes.split('\n');
        if (lines.last().isEmpty())
            lines.removeLast();
        table = CoreTable::load(shippedTablePath());
    }

    // Lines that end in CR LF are read the same by every loader: one that ends lines at CR
    // (or CR LF) and one that ends them at LF. A lone LF would glue lines together.
    void fileIsPlainAsciiWithCrLf()
    {
        QVERIFY(!bytes.isEmpty());
        QVERIFY2(bytes.endsWith("\r\n"), "the last line needs its line end too");
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
        for (int i = 0; i < bytes.size(); ++i) {
            const uchar c = uchar(bytes.at(i));
            QVERIFY2(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7f),
                     qPrintable(QStringLiteral("byte %1 at offset %2 is not printable ASCII").arg(c).arg(i)));
        }
    }

    // Records use single spaces, exactly three fields, and fit in the 100 characters that are read.
    void recordLinesAreWellFormed()
    {
        int records = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).chopped(1); // without the CR
            const QByteArray where = "line " + QByteArray::number(i + 1) + ": " + line;
            QVERIFY2(line.size() <= 100, where.constData());
            if (!line.startsWith('@'))
                continue;
            ++records;
            const QList<QByteArray> fields = line.mid(1).split(' ');
            QVERIFY2(fields.size() == 3, where.constData());
            for (const QByteArray &field : fields)
                QVERIFY2(!field.isEmpty(), where.constData());
        }
        QVERIFY(records >= 30);
        QVERIFY(records <= CoreTable::MaxRecords);
    }

    // A dropped record would silently take a core away from the window.
    void everyRecordIsAccepted()
    {
        int records = 0;
        for (const QByteArray &line : std::as_const(lines))
            if (line.startsWith('@') && line.chopped(1).size() >= 2)
                ++records;
        for (const CoreTable::SkippedLine &s : std::as_const(table.skipped))
            qWarning("line %d skipped: %s", s.lineNumber, qPrintable(s.reason));
        QVERIFY(table.skipped.isEmpty());
        QCOMPARE(table.coreCount, records);
        QVERIFY(table.coreCount >= 30);
    }

    void valuesArePlausible()
    {
        QSet<QString> seen;
        for (int i = 1; i <= table.coreCount; ++i) {
            const QString name = table.coreName[i];
            const double al = table.coreAL[i];
            const double wire = table.coreWire[i];
            const QByteArray where = name.toLatin1() + " AL " + QByteArray::number(al)
                                     + " wire " + QByteArray::number(wire);
            CoreKind kind;
            QVERIFY2(parseName(name, kind), where.constData());
            QVERIFY2(!seen.contains(name), where.constData());
            seen.insert(name);
            // Iron powder: a few nH per turn squared; ferrite: tens to about two thousand.
            if (kind.ferrite)
                QVERIFY2(al >= 20 && al <= 2000, where.constData());
            else
                QVERIFY2(al >= 1 && al <= 20, where.constData());
            // A turn runs across the ring twice and round its height twice: roughly its
            // outer diameter, never much less or much more.
            const double od = kind.size / 100.0;
            QVERIFY2(wire >= 0.7 * od && wire <= 1.5 * od, where.constData());
        }
    }

    // Sorted by mix and size: within one mix both the size and the wire per turn grow.
    void sortedByMixAndSize()
    {
        QStringList mixes;
        CoreKind previous;
        double previousWire = 0;
        for (int i = 1; i <= table.coreCount; ++i) {
            CoreKind kind;
            QVERIFY(parseName(table.coreName[i], kind));
            const QString mix = (kind.ferrite ? QStringLiteral("FT") : QStringLiteral("T")) + kind.mix;
            if (i > 1 && mix == mixes.last()) {
                QVERIFY2(kind.size > previous.size, qPrintable(table.coreName[i]));
                QVERIFY2(table.coreWire[i] > previousWire, qPrintable(table.coreName[i]));
            } else {
                QVERIFY2(!mixes.contains(mix), qPrintable(mix + QStringLiteral(" appears in two places")));
                mixes << mix;
            }
            previous = kind;
            previousWire = table.coreWire[i];
        }
        QCOMPARE(mixes, QStringList({ "T2", "T6", "T10", "FT43", "FT61" }));
    }

    // Spot checks against the catalogues: AL as published (iron powder in uH per 100 turns,
    // ferrite in mH per 1000 turns) and the wire per turn from the core's dimensions.
    void catalogueCores_data()
    {
        QTest::addColumn<double>("publishedAL");
        QTest::addColumn<double>("alDivisor");
        QTest::addColumn<double>("od");
        QTest::addColumn<double>("id");
        QTest::addColumn<double>("height");

        QTest::newRow("T37-2") << 40.0 << 10.0 << 0.375 << 0.205 << 0.128;
        QTest::newRow("T50-2") << 49.0 << 10.0 << 0.500 << 0.303 << 0.190;
        QTest::newRow("T68-2") << 57.0 << 10.0 << 0.690 << 0.370 << 0.190;
        QTest::newRow("T200-2") << 120.0 << 10.0 << 2.000 << 1.250 << 0.550;
        QTest::newRow("T50-6") << 40.0 << 10.0 << 0.500 << 0.303 << 0.190;
        QTest::newRow("T106-6") << 116.0 << 10.0 << 1.060 << 0.570 << 0.437;
        QTest::newRow("T68-10") << 32.0 << 10.0 << 0.690 << 0.370 << 0.190;
        QTest::newRow("FT37-43") << 350.0 << 1.0 << 0.375 << 0.187 << 0.125;
        QTest::newRow("FT50-43") << 523.0 << 1.0 << 0.500 << 0.281 << 0.188;
        QTest::newRow("FT37-61") << 55.3 << 1.0 << 0.375 << 0.187 << 0.125;
        QTest::newRow("FT114-61") << 79.3 << 1.0 << 1.142 << 0.748 << 0.295;
    }

    void catalogueCores()
    {
        QFETCH(double, publishedAL);
        QFETCH(double, alDivisor);
        QFETCH(double, od);
        QFETCH(double, id);
        QFETCH(double, height);

        const QString name = QString::fromLatin1(QTest::currentDataTag());
        int at = 0;
        for (int i = 1; i <= table.coreCount; ++i)
            if (table.coreName[i] == name)
                at = i;
        QVERIFY2(at > 0, qPrintable(name + QStringLiteral(" is missing")));
        QVERIFY(qAbs(table.coreAL[at] - publishedAL / alDivisor) < 1e-9);
        // Across the ring and back, up and down its height, and 0.05 in for the wire itself.
        const double wire = (od - id) + 2 * height + 0.05;
        QVERIFY2(qAbs(table.coreWire[at] - wire) < 0.0005,
                 qPrintable(QStringLiteral("%1 instead of %2").arg(table.coreWire[at]).arg(wire)));
    }
};

QTEST_GUILESS_MAIN(tst_ShippedTable)
#include "tst_shippedtable.moc"
