#include "coretable.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <unistd.h>

#include <cstring>

using corvane::CoreTable;

namespace {

// A device that hands out head, then 'unit' repeated, then tail, at most
// 'chunk' bytes per read: a huge file without a huge buffer, and a way to put
// a chunk boundary at every byte.
class PatternDevice : public QIODevice
{
public:
    PatternDevice(QByteArray head, QByteArray unit, qint64 repeats, QByteArray tail, qint64 chunk)
        : m_head(std::move(head)), m_unit(std::move(unit)), m_tail(std::move(tail)), m_chunk(chunk)
    {
        m_size = m_head.size() + m_unit.size() * repeats + m_tail.size();
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = qMin(qMin(maxSize, m_chunk), m_size - m_pos);
        for (qint64 done = 0; done < n;) {
            const QByteArrayView run = runAt(m_pos + done);
            const qint64 part = qMin(n - done, qint64(run.size()));
            std::memcpy(data + done, run.data(), std::size_t(part));
            done += part;
        }
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    // The bytes from 'pos' to the end of the piece (head, one unit, tail) it lies in.
    QByteArrayView runAt(qint64 pos) const
    {
        if (pos < m_head.size())
            return QByteArrayView(m_head).sliced(pos);
        pos -= m_head.size();
        const qint64 body = m_size - m_head.size() - m_tail.size();
        if (pos < body)
            return QByteArrayView(m_unit).sliced(pos % m_unit.size());
        return QByteArrayView(m_tail).sliced(pos - body);
    }

    QByteArray m_head;
    QByteArray m_unit;
    QByteArray m_tail;
    qint64 m_chunk;
    qint64 m_size = 0;
    qint64 m_pos = 0;
};

CoreTable readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return CoreTable::read(buffer);
}

QStringList names(const CoreTable &table)
{
    QStringList list;
    for (int i = 1; i <= table.coreCount; ++i)
        list << table.coreName[std::size_t(i)];
    return list;
}

QStringList skippedLines(const CoreTable &table)
{
    QStringList list;
    for (const CoreTable::SkippedLine &line : table.skipped)
        list << QStringLiteral("%1: %2").arg(line.lineNumber).arg(line.reason);
    return list;
}

QByteArray utf8(const char *text)
{
    return QByteArray(text);
}

// The address sanitizer keeps freed memory aside, so peaks mean nothing under it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool PeakMemoryIsMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool PeakMemoryIsMeaningful = false;
#else
constexpr bool PeakMemoryIsMeaningful = true;
#endif
#else
constexpr bool PeakMemoryIsMeaningful = true;
#endif

long peakMemoryKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TestCoreTable : public QObject
{
    Q_OBJECT
private slots:
    void records_data();
    void records();
    void numbersInTheUsersLocale_data();
    void numbersInTheUsersLocale();
    void slotsAfterTheLastRecordStayEmpty();
    void firstFiftyRecordsOnly();
    void chunkBoundaries_data();
    void chunkBoundaries();
    void hugeLineWithoutLineEnd();
    void millionShortLines();
    void missingFileOrDirectory();
    void unreadableFile();
};

void TestCoreTable::records_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<double>>("al");
    QTest::addColumn<QList<double>>("wire");
    QTest::addColumn<QStringList>("skipped");

    const QStringList none;
    const QList<double> noNumbers;

    QTest::newRow("CR LF endings") << utf8("@core1   4.9 1.2\r\n@b 40 1.25\r\n")
                                   << QStringList { "CORE1", "B" } << QList<double> { 4.9, 40 }
                                   << QList<double> { 1.2, 1.25 } << none;
    QTest::newRow("LF endings") << utf8("@core1   4.9 1.2\n@b 40 1.25\n") << QStringList { "CORE1", "B" }
                                << QList<double> { 4.9, 40 } << QList<double> { 1.2, 1.25 } << none;
    QTest::newRow("CR endings") << utf8("@core1   4.9 1.2\r@b 40 1.25\r") << QStringList { "CORE1", "B" }
                                << QList<double> { 4.9, 40 } << QList<double> { 1.2, 1.25 } << none;
    QTest::newRow("mixed endings, last line without end")
            << utf8("note\r\n@a 1 2\n\n@b 3 4\r@c 5 6") << QStringList { "A", "B", "C" }
            << QList<double> { 1, 3, 5 } << QList<double> { 2, 4, 6 } << none;
    QTest::newRow("comments and blank lines only")
            << utf8("Core table\r\n\r\n  ; a note\r\n# 4.9 1.2\r\n") << none << noNumbers << noNumbers << none;
    QTest::newRow("empty file") << QByteArray() << none << noNumbers << noNumbers << none;
    QTest::newRow("@ alone") << utf8("@\r\n@a 1 2\r\n") << QStringList { "A" } << QList<double> { 1 }
                             << QList<double> { 2 } << QStringList { "1: nothing after \"@\"" };
    QTest::newRow("blanks before @") << utf8("  @a 1 2\r\n\t@b 1 2\r\n") << none << noNumbers << noNumbers
                                     << none;
    QTest::newRow("lower-case name") << utf8("@t50-2 4.9 0.6") << QStringList { "T50-2" }
                                     << QList<double> { 4.9 } << QList<double> { 0.6 } << none;
    QTest::newRow("Unicode upper case") << utf8("@stra\xc3\x9f" "e 1 2\n@\xc3\xa4\xc3\xb6\xc3\xbc 3 4")
                                        << QStringList { "STRASSE", QString::fromUtf8("\xc3\x84\xc3\x96\xc3\x9c") }
                                        << QList<double> { 1, 3 } << QList<double> { 2, 4 } << none;
    QTest::newRow("runs of blanks") << utf8("@   a    4.9   1.2   \r\n") << QStringList { "A" }
                                    << QList<double> { 4.9 } << QList<double> { 1.2 } << none;
    QTest::newRow("too few or too many fields")
            << utf8("@a\r\n@a 1\r\n@a 1 2 3\r\n@a 1 2 ; note\r\n@   \r\n") << none << noNumbers << noNumbers
            << QStringList { "1: no AL", "2: no wire length per turn", "3: a fourth field", "4: a fourth field",
                             "5: no name" };
    QTest::newRow("tabs only") << utf8("@a\t1\t2\r\n") << none << noNumbers << noNumbers
                               << QStringList { "1: no AL (a tab does not separate fields, a space does)" };
    QTest::newRow("tab inside a name") << utf8("@a\tb 1 2") << QStringList { "A\tB" } << QList<double> { 1 }
                                       << QList<double> { 2 } << none;
    QTest::newRow("valid, bad, valid, bad, valid")
            << utf8("@a 1 2\r\n@b 1\r\n@c 3 4\r\n@d\r\n@e 5 6\r\n") << QStringList { "A", "C", "E" }
            << QList<double> { 1, 3, 5 } << QList<double> { 2, 4, 6 }
            << QStringList { "2: no wire length per turn", "4: no AL" };
    QTest::newRow("numbers that are no numbers")
            << utf8("@a x 1.2\n@b 4.9 y\n@c 4,9 1\n@d 1,000 1\n@e 1e3 2.5E-1\n@f -4 0\n@g 1E999 1\n"
                    "@h nan 1\n@i inf 1\n@j 1.2.3 1\n")
            << QStringList { "E", "F" } << QList<double> { 1000, -4 } << QList<double> { 0.25, 0 }
            << QStringList { "1: AL is not a number", "2: wire length per turn is not a number",
                             "3: AL is not a number", "4: AL is not a number", "7: AL is not a number",
                             "8: AL is not a number", "9: AL is not a number", "10: AL is not a number" };
    // Positions count from the "@" at 1; only positions 2..100 are parsed.
    QTest::newRow("third field beyond position 100")
            << QByteArray("@n 4.9" + QByteArray(94, ' ') + "1.2") << none << noNumbers << noNumbers
            << QStringList { "1: no wire length per turn" };
    QTest::newRow("third field cut in the middle")
            << QByteArray("@n 4.9" + QByteArray(91, ' ') + "1.23456") << QStringList { "N" }
            << QList<double> { 4.9 } << QList<double> { 1.2 } << none;
    QTest::newRow("cut counts characters, not bytes")
            << QByteArray("@\xc3\xa4\xc3\xb6\xc3\xbc 4.9" + QByteArray(89, ' ') + "1.23456")
            << QStringList { QString::fromUtf8("\xc3\x84\xc3\x96\xc3\x9c") } << QList<double> { 4.9 }
            << QList<double> { 1.2 } << none;
    QTest::newRow("cut counts characters outside the basic plane")
            << QByteArray("@\xf0\x9f\x98\x80\xf0\x9f\x98\x80 4.9" + QByteArray(90, ' ') + "1.23456")
            << QStringList { QString::fromUtf8("\xf0\x9f\x98\x80\xf0\x9f\x98\x80") } << QList<double> { 4.9 }
            << QList<double> { 1.2 } << none;
    QTest::newRow("four-byte characters up to position 100")
            << QByteArray("@" + QByteArray("\xf0\x9f\x98\x80").repeated(95) + " 1 2")
            << QStringList { QString::fromUtf8(QByteArray("\xf0\x9f\x98\x80").repeated(95)) }
            << QList<double> { 1 } << QList<double> { 2 } << none;
    QTest::newRow("upper case before the cut")
            << QByteArray("@" + QByteArray("\xc3\x9f").repeated(50) + " 4.9 1.2") << none << noNumbers
            << noNumbers << QStringList { "1: no AL" };
    QTest::newRow("byte order mark") << utf8("\xef\xbb\xbf@a 1 2\r\n") << QStringList { "A" }
                                     << QList<double> { 1 } << QList<double> { 2 } << none;
    QTest::newRow("invalid bytes tolerated") << utf8("@a\xff" "b 1 2\r\n")
                                             << QStringList { QString::fromUtf8("A\xef\xbf\xbd" "B") }
                                             << QList<double> { 1 } << QList<double> { 2 } << none;
    QTest::newRow("every line end counts once") << utf8("x\ry\nz\r\n\r\n@bad\r\n") << none << noNumbers
                                                << noNumbers << QStringList { "5: no AL" };
}

void TestCoreTable::records()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    QFETCH(QList<double>, al);
    QFETCH(QList<double>, wire);
    QFETCH(QStringList, skipped);

    const CoreTable table = readBytes(file);
    QCOMPARE(::names(table), names);
    for (int i = 1; i <= table.coreCount; ++i) {
        QCOMPARE(table.coreAL[std::size_t(i)], al.at(i - 1));
        QCOMPARE(table.coreWire[std::size_t(i)], wire.at(i - 1));
    }
    QCOMPARE(skippedLines(table), skipped);
    QCOMPARE(qsizetype(table.skippedCount), skipped.size());
}

void TestCoreTable::numbersInTheUsersLocale_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<QByteArray>("al");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("value");

    QTest::newRow("comma in a comma locale") << true << QByteArray("4,9") << true << 4.9;
    QTest::newRow("point in a comma locale") << true << QByteArray("4.9") << true << 4.9;
    QTest::newRow("exponent in a comma locale") << true << QByteArray("1,5E3") << true << 1500.0;
    QTest::newRow("no grouping in a comma locale") << true << QByteArray("1.000,5") << false << 0.0;
    QTest::newRow("two commas") << true << QByteArray("4,9,1") << false << 0.0;
    QTest::newRow("point in a point locale") << false << QByteArray("4.9") << true << 4.9;
    QTest::newRow("comma in a point locale is no decimal") << false << QByteArray("4,9") << false << 0.0;
    QTest::newRow("no grouping in a point locale") << false << QByteArray("1,000") << false << 0.0;
}

void TestCoreTable::numbersInTheUsersLocale()
{
    QFETCH(bool, german);
    QFETCH(QByteArray, al);
    QFETCH(bool, accepted);
    QFETCH(double, value);

    const QLocale saved;
    QLocale::setDefault(german ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
    const CoreTable table = readBytes("@a " + al + " 0" + (german ? "," : ".") + "5\r\n");
    QLocale::setDefault(saved);

    QCOMPARE(table.coreCount, accepted ? 1 : 0);
    if (accepted) {
        QCOMPARE(table.coreAL[1], value);
        QCOMPARE(table.coreWire[1], 0.5);
    } else {
        QCOMPARE(skippedLines(table), QStringList { "1: AL is not a number" });
    }
}

void TestCoreTable::slotsAfterTheLastRecordStayEmpty()
{
    // A dropped record after the last accepted one leaves no trace in the slots.
    const CoreTable table = readBytes("@a 1 2\r\n@dropped 7\r\n@other 8 9 10\r\n");
    QCOMPARE(table.coreCount, 1);
    QVERIFY(table.coreName[2].isEmpty());
    QCOMPARE(table.coreAL[2], 0.0);
    QCOMPARE(table.coreWire[2], 0.0);
    QVERIFY(table.coreName[0].isEmpty());
}

void TestCoreTable::firstFiftyRecordsOnly()
{
    QByteArray file;
    QStringList expected;
    for (int i = 1; i <= 60; ++i) {
        const QByteArray name = "C" + QByteArray::number(i);
        file += "@" + name + " " + QByteArray::number(i) + " 0.5\r\n";
        if (i <= 50)
            expected << QString::fromLatin1(name);
        if (i == 50)
            file += "@not read\r\n"; // after the 50th record nothing is read
    }
    const CoreTable table = readBytes(file);
    QCOMPARE(table.coreCount, 50);
    QCOMPARE(names(table), expected);
    QCOMPARE(table.coreAL[50], 50.0);
    QVERIFY(table.coreName[51].isEmpty());
    QVERIFY(table.skipped.isEmpty());
}

void TestCoreTable::chunkBoundaries_data()
{
    QTest::addColumn<int>("chunk");
    for (int chunk : { 1, 2, 3, 5, 7 })
        QTest::addRow("%d bytes per read", chunk) << chunk;
}

void TestCoreTable::chunkBoundaries()
{
    // Every byte is a read boundary for some chunk size: a CR LF or a multi-byte
    // character split between two reads must read as if it were whole.
    QFETCH(int, chunk);
    const QByteArray file = "\xef\xbb\xbf@\xc3\xa4 1 2\r\n\xc3\xa4x\r\n@\xf0\x9f\x98\x80 3 4\r\n\r\n@bad\r\n"
                            "@\xe2\x82\xac 5 6";
    PatternDevice device(file, "", 0, "", chunk);
    const CoreTable table = CoreTable::read(device);
    QCOMPARE(names(table), (QStringList { QString::fromUtf8("\xc3\x84"), QString::fromUtf8("\xf0\x9f\x98\x80"),
                                          QString::fromUtf8("\xe2\x82\xac") }));
    QCOMPARE(skippedLines(table), QStringList { "5: no AL" });
}

void TestCoreTable::hugeLineWithoutLineEnd()
{
    // 100 MB in one line: only its first 100 characters are kept, and the
    // record after it is still read.
    const qint64 megabytes = 100;
    PatternDevice device("@a ", QByteArray(1 << 20, 'x'), megabytes, "\n@b 1 2", 64 * 1024);
    const CoreTable table = CoreTable::read(device);
    QCOMPARE(names(table), QStringList { "B" });
    QCOMPARE(skippedLines(table), QStringList { "1: no wire length per turn" });
    // Holding the line would take 100 MB as bytes and 200 MB as text.
    if (PeakMemoryIsMeaningful)
        QVERIFY2(peakMemoryKiB() < 80 * 1024, qPrintable(QStringLiteral("peak %1 KiB").arg(peakMemoryKiB())));

    // The same line as a file that ends without a line end.
    PatternDevice endless("@a 1 1", QByteArray(1 << 20, '0'), megabytes, "", 64 * 1024);
    const CoreTable cut = CoreTable::read(endless);
    QCOMPARE(cut.coreCount, 1);
    QCOMPARE(cut.coreWire[1], 1e94); // the "1" at position 6 and 94 zeros up to position 100
}

void TestCoreTable::millionShortLines()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("quillet.ini"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray line = "@a 1\n";
        file.write(line.repeated(1000000));
        file.write("@b 1 2\n");
    }
    const CoreTable table = CoreTable::load(path);
    QCOMPARE(names(table), QStringList { "B" });
    QCOMPARE(table.skippedCount, 1000000);
    QCOMPARE(table.skipped.size(), qsizetype(CoreTable::MaxSkippedListed));
    QCOMPARE(table.skipped.last().lineNumber, CoreTable::MaxSkippedListed);
    QCOMPARE(table.skipped.last().reason, QStringLiteral("no wire length per turn"));
}

void TestCoreTable::missingFileOrDirectory()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(CoreTable::load(dir.filePath(QStringLiteral("missing.ini"))).coreCount, 0);

    // A directory named like the table, holding a table of its own.
    const QString path = dir.filePath(QStringLiteral("quillet.ini"));
    QVERIFY(QDir().mkdir(path));
    QFile inner(path + QStringLiteral("/quillet.ini"));
    QVERIFY(inner.open(QIODevice::WriteOnly));
    inner.write("@a 1 2\r\n");
    inner.close();
    const CoreTable table = CoreTable::load(path);
    QCOMPARE(table.coreCount, 0);
    QVERIFY(table.skipped.isEmpty());
}

void TestCoreTable::unreadableFile()
{
    if (geteuid() == 0)
        QSKIP("file permissions do not stop root");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("quillet.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("@a 1 2\r\n");
    file.close();
    QVERIFY(file.setPermissions(QFileDevice::Permissions()));
    QCOMPARE(CoreTable::load(path).coreCount, 0);
}

QTEST_APPLESS_MAIN(TestCoreTable)
#include "tst_coretable.moc"
