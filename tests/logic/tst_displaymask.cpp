#include "displaymask.h"

#include <QtTest>

#include <limits>

using corvane::formatMask;

class TestDisplayMask : public QObject
{
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
};

void TestDisplayMask::formats_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");

    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();

    QTest::newRow("frequency") << 7.1 << "#0.000" << "7.100";
    QTest::newRow("below one keeps a digit") << 0.5 << "#0.000" << "0.500";
    QTest::newRow("half up on the decimal value") << 7.1005 << "#0.000" << "7.101";
    QTest::newRow("half down below") << 7.10049 << "#0.000" << "7.100";
    QTest::newRow("inductance") << 5.0249 << "##0.00" << "5.02";
    QTest::newRow("many integer digits") << 123456.0 << "##0.00" << "123456.00";
    QTest::newRow("whole") << 224.2 << "####0" << "224";
    QTest::newRow("whole half away") << 2.5 << "####0" << "3";
    QTest::newRow("whole 0.5") << 0.5 << "##0" << "1";
    QTest::newRow("whole zero") << 0.0 << "##0" << "0";
    QTest::newRow("ohms 96.2475") << 96.2475 << "###0.0" << "96.2";
    QTest::newRow("ohms 37.5") << 37.5 << "###0.0" << "37.5";
    QTest::newRow("ohms 250") << 250.0 << "###0.0" << "250.0";
    QTest::newRow("ohms 0.04") << 0.04 << "###0.0" << "0.0";
    QTest::newRow("ohms 8.55 as typed") << 8.55 << "###0.0" << "8.6";
    QTest::newRow("ohms 10434.5779") << 10434.5779 << "###0.0" << "10434.6";
    QTest::newRow("impedance 50") << 50.0 << "##0.0" << "50.0";
    QTest::newRow("carry through nines") << 9.9996 << "#0.000" << "10.000";
    QTest::newRow("carry to a new digit") << 999.95 << "###0.0" << "1000.0";
    QTest::newRow("negative") << -2.25 << "###0.0" << "-2.3";
    QTest::newRow("never minus zero") << -0.04 << "###0.0" << "0.0";
    QTest::newRow("minus zero itself") << -0.0 << "####0" << "0";
    QTest::newRow("tiny") << 1e-300 << "#0.000" << "0.000";
    QTest::newRow("huge") << 1e20 << "####0" << "100000000000000000000";
    QTest::newRow("infinity") << inf << "####0" << "";
    QTest::newRow("nan") << nan << "#0.000" << "";
}

void TestDisplayMask::formats()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    QCOMPARE(formatMask(value, mask), expected);
}

QTEST_APPLESS_MAIN(TestDisplayMask)
#include "tst_displaymask.moc"
