// Bad input end to end: hostile texts pasted into the real windows' fields, and
// hostile core tables through the real start-up. The program must start, show
// nothing in a field that is not a number, and still calculate.
#include "fieldedit.h"
#include "frmatten.h"
#include "quillet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <memory>
#include <random>
#include <thread>

using corvane::FieldEdit;
using corvane::frmAtten;
using corvane::Quillet;

namespace {

// Answers every message box that opens.
class MessageWatcher : public QObject
{
public:
    MessageWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        m_timer.start(10);
    }

private:
    QTimer m_timer;
};

// What the program may show in a field: nothing, a number, or turns and wire.
bool isNumberText(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    static const QRegularExpression turns(QStringLiteral("^[0-9]+ turns [0-9]+\"$"));
    return text.isEmpty() || number.match(text).hasMatch() || turns.match(text).hasMatch();
}

QString shown(const QString &text)
{
    QString out = text.left(40).toHtmlEscaped();
    for (QChar &c : out)
        if (c.unicode() < 0x20)
            c = QLatin1Char('?');
    return out + (text.size() > 40 ? QStringLiteral("...") : QString());
}

// The fields of the main window that show something other than a number,
// apart from field 'pasted' while it still holds what was pasted there.
QStringList notNumbers(const Quillet &window, int pasted = -1, const QString &paste = QString())
{
    QStringList bad;
    for (int i = 0; i < Quillet::FieldCount; ++i) {
        const QString text = window.txt(i)->text();
        if (!isNumberText(text) && !(i == pasted && text == paste))
            bad << QStringLiteral("%1: %2").arg(i).arg(shown(text));
    }
    return bad;
}

// The same for the attenuator window.
QStringList notNumbers(const frmAtten &window, int pasted, const QString &paste)
{
    QStringList bad;
    for (int i = 0; i < corvane::AttenSolver::FieldCount; ++i) {
        const QString text = window.txt(i)->text();
        if (!isNumberText(text) && !(i == pasted && text == paste))
            bad << QStringLiteral("%1: %2").arg(i).arg(shown(text));
    }
    return bad;
}

int focusIndex()
{
    auto *field = qobject_cast<FieldEdit *>(QApplication::focusWidget());
    return field ? field->index() : -1;
}

QByteArray junkBytes(int size)
{
    std::mt19937 generator(4242);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(generator() & 0xff);
    return bytes;
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void pastedIntoMainWindow_data();
    void pastedIntoMainWindow();
    void pastedIntoAttenuatorWindow_data();
    void pastedIntoAttenuatorWindow();
    void hostileCoreTable_data();
    void hostileCoreTable();
    void messageBoxGoneBeforeItsActivation();

private:
    void hostileTexts();
    // 7.1 typed into the frequency field and 100 into the capacitance field,
    // each followed by Enter, starting with the focus in the frequency field.
    void calculate(Quillet &window);

    QTemporaryDir m_dir;
    QString m_table;
    MessageWatcher m_messages;
};

void TestHostile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_table = m_dir.filePath(QStringLiteral("quillet.ini"));
    QFile file(m_table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("@x 49 0.9\r\n@y 40 1.25\r\n@z 12 0.5\r\n");
}

void TestHostile::hostileTexts()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("a megabyte of digits") << QString(1 << 20, QLatin1Char('9'));
    QTest::newRow("a megabyte of junk") << QStringLiteral("7.1x\x01").repeated(1 << 18);
    QTest::newRow("400 digits") << QLatin1Char('1') + QString(399, QLatin1Char('0'));
    QTest::newRow("400 digits with a point") << QString(200, QLatin1Char('9')) + QLatin1Char('.')
                    + QString(200, QLatin1Char('9'));
    QTest::newRow("320 decimals") << QStringLiteral("0.") + QString(319, QLatin1Char('0')) + QLatin1Char('1');
    QTest::newRow("many points") << QStringLiteral("1.2.3.4.5..........");
    QTest::newRow("only points") << QStringLiteral("..........");
    QTest::newRow("letters") << QStringLiteral("abc");
    QTest::newRow("number then letters") << QStringLiteral("7.1abc");
    QTest::newRow("control characters") << QStringLiteral("\x01\x02\x1b[31m\x7f");
    QTest::newRow("line ends") << QStringLiteral("\r\n7.1\r\n");
    QTest::newRow("tabs inside") << QStringLiteral("\t7\t.\t1");
    QTest::newRow("NUL inside") << QStringLiteral("7") + QChar(0) + QStringLiteral(".1");
    QTest::newRow("largest exponent") << QStringLiteral("1e308");
    QTest::newRow("exponent too large") << QStringLiteral("1E309");
    QTest::newRow("exponent too small") << QStringLiteral("1e-320");
    QTest::newRow("D exponent") << QStringLiteral("2.5D3");
    QTest::newRow("minus") << QStringLiteral("-7.1");
    QTest::newRow("plus") << QStringLiteral("+7.1");
    QTest::newRow("nan") << QStringLiteral("nan");
    QTest::newRow("inf") << QStringLiteral("-inf");
    QTest::newRow("Infinity") << QStringLiteral("Infinity");
    QTest::newRow("hexadecimal") << QStringLiteral("0x1F");
    QTest::newRow("comma") << QStringLiteral("1,5");
    QTest::newRow("other digits") << QStringLiteral("\u0661\u0662\uff13");
    QTest::newRow("lone surrogate") << QString(QChar(0xd800)) + QStringLiteral("5");
    QTest::newRow("right-to-left mark") << QStringLiteral("\u202e1.7");
    QTest::newRow("emoji") << QStringLiteral("\U0001F4A5");
}

void TestHostile::calculate(Quillet &window)
{
    QCOMPARE(focusIndex(), 0);
    QTest::keyClicks(window.txt(0), QStringLiteral("7.1"));
    QTest::keyClick(window.txt(0), Qt::Key_Return);
    QTRY_COMPARE(focusIndex(), 1);
    QTest::keyClicks(window.txt(1), QStringLiteral("100"));
    QTest::keyClick(window.txt(1), Qt::Key_Return);
    QTRY_COMPARE(focusIndex(), 2);
    QCOMPARE(window.txt(0)->text(), QStringLiteral("7.100"));
    QCOMPARE(window.txt(1)->text(), QStringLiteral("100"));
    QCOMPARE(window.txt(2)->text(), QStringLiteral("5.02"));
    QCOMPARE(window.txt(3)->text(), QStringLiteral("224"));
}

void TestHostile::pastedIntoMainWindow_data()
{
    hostileTexts();
}

void TestHostile::pastedIntoMainWindow()
{
    QFETCH(QString, text);
    // The four top fields, core 1's turns field and one of a slot without a core.
    for (int index : { 0, 1, 2, 3, 4, 20 }) {
        Quillet window(m_table);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        FieldEdit *field = window.txt(index);
        field->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(focusIndex(), index);
        field->setText(text); // as a paste puts it there
        const QString pasted = field->text();
        FieldEdit *next = window.txt(index == 1 ? 2 : 1);
        next->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(focusIndex(), next->index());
        const QStringList bad = notNumbers(window, index, pasted);
        QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("field %1: %2").arg(index).arg(bad.join(QLatin1String(", ")))));

        // The Erase key, then a calculation as usual.
        QTest::keyClick(next, Qt::Key_E);
        QTest::keyClick(next, Qt::Key_F);
        QTRY_COMPARE(focusIndex(), 0);
        calculate(window);
        QCOMPARE(window.txt(4)->text(), QStringLiteral("10 turns 11\""));
        QVERIFY2(notNumbers(window, index, pasted).isEmpty(), qPrintable(QString::number(index)));
    }
}

void TestHostile::pastedIntoAttenuatorWindow_data()
{
    hostileTexts();
}

void TestHostile::pastedIntoAttenuatorWindow()
{
    QFETCH(QString, text);
    Quillet main(m_table);
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    // One field of each resistor pair.
    for (int index : { 0, 1, 2, 4, 5, 7 }) {
        // Opened by its menu command, as the user opens it.
        main.mnuAttenuators_Click();
        QPointer<frmAtten> window;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *atten = qobject_cast<frmAtten *>(widget))
                window = atten;
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTRY_COMPARE(QApplication::focusWidget(), window->txt(1));

        FieldEdit *field = window->txt(index);
        field->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), field);
        field->setText(text); // as a paste puts it there
        const QString pasted = field->text();
        FieldEdit *next = window->txt(index == 1 ? 2 : 1);
        next->setFocus(Qt::TabFocusReason);
        // A refused entry is said in a message box, which is answered.
        QTest::qWait(30);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QTRY_VERIFY(window->isActiveWindow());
        const QStringList bad = notNumbers(*window, index, pasted);
        QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("field %1: %2").arg(index).arg(bad.join(QLatin1String(", ")))));

        // The Erase key, then 50 ohms and 10 dB.
        next->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), next);
        QTest::keyClick(next, Qt::Key_E);
        QTest::keyClick(next, Qt::Key_Z);
        QTRY_COMPARE(QApplication::focusWidget(), window->txt(0));
        QTest::keyClicks(window->txt(0), QStringLiteral("50"));
        QTest::keyClick(window->txt(0), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), window->txt(1));
        QTest::keyClicks(window->txt(1), QStringLiteral("10"));
        QTest::keyClick(window->txt(1), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), window->txt(2));
        const QStringList texts { "50.0", "10.0", "96.2", "96.2", "71.2", "26.0", "26.0", "35.1" };
        for (int i = 0; i < corvane::AttenSolver::FieldCount; ++i)
            QCOMPARE(window->txt(i)->text(), texts.at(i));

        window->close();
        QTRY_VERIFY(window.isNull());
    }
}

void TestHostile::hostileCoreTable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    // Where a record "@ok 49 0.9" is read, its field must show 10 turns 11".
    QTest::addColumn<bool>("okCore");

    QTest::newRow("binary junk") << "file" << junkBytes(256 * 1024) << false;
    QTest::newRow("binary junk around a record")
            << "file" << junkBytes(4096) + "\r\n@ok 49 0.9\r\n" + junkBytes(4096) << true;
    QTest::newRow("NUL bytes") << "file" << QByteArrayLiteral("@a\0b 49 0.9\r\n@\0\0\0 1 2\r\n\0\0\0\r\n@ok 49 0.9\r\n")
                               << true;
    QTest::newRow("invalid UTF-8") << "file" << QByteArray("@\xff\xfe\xfd 49 0.9\r\n@\xc3 40 1.25\r\n@ok 49 0.9\r\n@b\xe2\x82 1 2")
                                   << true;
    QTest::newRow("control characters")
            << "file" << QByteArray("@\x01\x02 49 0.9\r\n@\x1b[31m 49 0.9\r\n@ok 49 0.9\x1b\r\n@ok 49 0.9\r\n") << true;
    QTest::newRow("absurd numbers")
            << "file"
            << QByteArray("@big 1e308 1e308\r\n@tiny 1e-300 1e-300\r\n@neg -49 -0.9\r\n@zero 0 0\r\n"
                          "@huge-wire 49 1e307\r\n@nan nan inf\r\n@ok 49 0.9\r\n")
            << true;
    QByteArray sixty;
    for (int i = 0; i < 60; ++i)
        sixty += "@n" + QByteArray::number(i) + " " + QByteArray::number(i - 5) + " 1\r\n";
    QTest::newRow("sixty records, some of no AL") << "file" << sixty << false;
    QTest::newRow("four megabytes in one line") << "file" << "@" + QByteArray(4 << 20, 'x') << false;
    QTest::newRow("empty file") << "file" << QByteArray() << false;
    QTest::newRow("directory") << "directory" << QByteArray() << false;
    QTest::newRow("unreadable file") << "unreadable" << QByteArray("@ok 49 0.9\r\n") << false;
    QTest::newRow("named pipe") << "pipe" << QByteArray("@ok 49 0.9\r\n") << false;
    QTest::newRow("endless device") << "endless" << QByteArray() << false;
}

void TestHostile::hostileCoreTable()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, okCore);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("quillet.ini"));
    if (kind == QLatin1String("directory")) {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == QLatin1String("file") || kind == QLatin1String("unreadable")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
        file.close();
        if (kind == QLatin1String("unreadable")) {
            if (geteuid() == 0)
                QSKIP("file permissions do not stop root");
            QVERIFY(file.setPermissions(QFileDevice::Permissions()));
        }
    }

    // A pipe blocks whoever opens it for reading until a writer comes: this
    // one comes when a reader waits, writes a record and leaves.
    std::atomic<bool> started { false };
    std::thread writer;
    if (kind == QLatin1String("pipe")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        writer = std::thread([&started, &bytes, fifo = QFile::encodeName(path)] {
            while (!started) {
                const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    (void)!::write(fd, bytes.constData(), std::size_t(bytes.size()));
                    ::close(fd);
                    return;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        });
    } else if (kind == QLatin1String("endless")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    }

    Quillet window(path);
    started = true;
    if (writer.joinable())
        writer.join();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    calculate(window);
    const QStringList bad = notNumbers(window);
    QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1String(", "))));

    const int count = window.solver().cores().coreCount;
    QVERIFY(count <= 50);
    // Anything but a regular file gives an empty table.
    if (kind != QLatin1String("file"))
        QCOMPARE(count, 0);
    for (int i = 4; i < Quillet::FieldCount; ++i) {
        const QString name = window.Label(i)->text();
        QCOMPARE(name.isEmpty(), i - 3 > count);
        if (okCore && name == QLatin1String("OK"))
            QCOMPARE(window.txt(i)->text(), QStringLiteral("10 turns 11\""));
    }
    if (okCore) {
        bool found = false;
        for (int i = 4; i < 4 + count; ++i)
            found = found || window.Label(i)->text() == QLatin1String("OK");
        QVERIFY(found);
    }
}

// On a busy machine a message box may be answered before the events of its
// own activation arrive: coming back from it is still no activation of the
// attenuator window, which would inject a Tab and commit a field.
void TestHostile::messageBoxGoneBeforeItsActivation()
{
    QPointer<frmAtten> window = corvane::showAttenuatorWindow(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_COMPARE(QApplication::focusWidget(), window->txt(1));
    QTest::keyClicks(window->txt(1), QStringLiteral("10"));

    {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Corvane"), QStringLiteral("gone"), QMessageBox::Ok,
                        window);
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        box.hide(); // before any event of its showing is handled
        QTest::qWait(50);
    }
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::qWait(50);
    QCOMPARE(QApplication::focusWidget(), window->txt(1));
    QCOMPARE(window->txt(1)->text(), QStringLiteral("10"));
    QCOMPARE(window->solver().attenDb(), 0.0);

    window->close();
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
