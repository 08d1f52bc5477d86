// The windows work their tooltips out again only when a number behind them
// changed. Whatever the user types, after every key the tooltips shown must
// be the ones the current numbers give.
#include "fieldedit.h"
#include "frmatten.h"
#include "quillet.h"
#include "resistorhint.h"
#include "turnshint.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace corvane;

namespace {

// Every key goes to the field that has the focus when it is typed; "\t" is Tab.
void typeKeys(const QString &keys, const std::function<void(const QString &)> &afterEach)
{
    for (int i = 0; i < keys.size(); ++i) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QTest::keyClick(focus, keys.at(i).toLatin1());
        afterEach(keys.left(i + 1));
        if (QTest::currentTestFailed())
            return;
    }
}

} // namespace

class TestHintRefresh : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void turnsHints_data();
    void turnsHints();
    void resistorHints_data();
    void resistorHints();

private:
    QTemporaryDir m_dir;
    QString m_table;
};

void TestHintRefresh::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_table = m_dir.filePath(QStringLiteral("quillet.ini"));
    QFile file(m_table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("@A 49 0.9\r\n@B 40 1.25\r\n@C 12 0.5\r\n@D 0 0.5\r\n@E 1000 0.3\r\n");
}

void TestHintRefresh::turnsHints_data()
{
    QTest::addColumn<QString>("keys");
    // The focus starts in the frequency field; f, c, l and z jump to the top
    // fields, e erases, Tab moves on.
    QTest::newRow("frequency then capacitance") << QStringLiteral("7.1\t100\t");
    QTest::newRow("focus moves that change nothing") << QStringLiteral("7.1\t100\t\t\t\t\tf\t\t");
    QTest::newRow("new inductance") << QStringLiteral("7.1\t100\tl5\t");
    QTest::newRow("new capacitance, same inductance") << QStringLiteral("l5\tc100\tc220\t");
    QTest::newRow("capacitance alone moves only the frequency") << QStringLiteral("l5\tc100\t");
    QTest::newRow("turns of a core") << QStringLiteral("7.1\t100\t\t\t12\t");
    QTest::newRow("impedance") << QStringLiteral("7.1\t\t\t300\t");
    QTest::newRow("erase and again") << QStringLiteral("7.1\t100\tef3.5\tc470\te");
}

void TestHintRefresh::turnsHints()
{
    QFETCH(QString, keys);
    auto window = std::make_unique<Quillet>(m_table);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window->txt(0)));

    typeKeys(keys, [&](const QString &typed) {
        for (int record = 1; record <= CoreTable::MaxRecords; ++record) {
            const int field = record + ResonanceSolver::FirstTurnsField - 1;
            const QString expected = turnsHintText(turnsHint(window->solver(), record));
            QVERIFY2(window->txt(field)->toolTip() == expected,
                     qPrintable(QStringLiteral("after \"%1\", core %2").arg(typed).arg(record)));
        }
    });
}

void TestHintRefresh::resistorHints_data()
{
    QTest::addColumn<QString>("keys");
    // The focus starts in the attenuation field, with 50.0 ohms; a goes to
    // the impedance field.
    QTest::newRow("attenuation") << QStringLiteral("6\t");
    QTest::newRow("focus moves that change nothing") << QStringLiteral("6\t\t\t\ta\t\t");
    QTest::newRow("impedance after attenuation") << QStringLiteral("10\ta75\t");
    QTest::newRow("a resistor worked back") << QStringLiteral("6\t150\t");
    QTest::newRow("erase and again") << QStringLiteral("6\teea50\t3\t");
}

void TestHintRefresh::resistorHints()
{
    QFETCH(QString, keys);
    auto window = std::make_unique<frmAtten>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window->txt(1)));

    typeKeys(keys, [&](const QString &typed) {
        for (int field = 2; field < AttenSolver::FieldCount; ++field) {
            const QString expected = resistorHintText(resistorHint(window->solver(), field));
            QVERIFY2(window->txt(field)->toolTip() == expected,
                     qPrintable(QStringLiteral("after \"%1\", field %2").arg(typed).arg(field)));
        }
    });
}

QTEST_MAIN(TestHintRefresh)
#include "tst_hintrefresh.moc"
