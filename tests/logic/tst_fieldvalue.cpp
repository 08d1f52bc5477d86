#include "fieldvalue.h"

#include <QtTest>

using corvane::fieldValue;

class TestFieldValue : public QObject
{
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void longTextsReadQuickly();
};

void TestFieldValue::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("integer") << "100" << 100.0;
    QTest::newRow("decimal") << "7.1" << 7.1;
    QTest::newRow("second point stops") << "12.5.3" << 12.5;
    QTest::newRow("two points then digit") << "12..5" << 12.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("turns field") << "10 turns 11\"" << 10.0;
    QTest::newRow("blanks inside digits") << " 1 2 . 5 " << 12.5;
    QTest::newRow("tabs and line feeds") << "\t1\n0" << 10.0;
    QTest::newRow("carriage return stops") << "1\r0" << 1.0;
    QTest::newRow("minus") << "-3.5" << -3.5;
    QTest::newRow("plus") << "+3.5" << 3.5;
    QTest::newRow("exponent E") << "1E3" << 1000.0;
    QTest::newRow("exponent d lower case") << "2.5d-2" << 0.025;
    QTest::newRow("exponent with blanks") << "1 e 3" << 1000.0;
    QTest::newRow("exponent without digits") << "4E+" << 4.0;
    QTest::newRow("letters first") << "abc" << 0.0;
    QTest::newRow("comma is no point") << "4,9" << 4.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("too large") << "1E999" << 0.0;
    QTest::newRow("three hundred digits") << QString(400, QLatin1Char('9')) << 0.0;
    QTest::newRow("fullwidth digit stops") << QString::fromUtf8("1\xef\xbc\x92") << 1.0;
}

void TestFieldValue::reads()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(fieldValue(text), expected);
}

void TestFieldValue::longTextsReadQuickly()
{
    // A megabyte of points after a digit: the reading stops at the second point.
    const QString text = QStringLiteral("3.") + QString(1 << 20, QLatin1Char('.'));
    QCOMPARE(fieldValue(text), 3.0);
    // A megabyte of digits after the point still reads as a number near 1.
    const QString digits = QStringLiteral("1.") + QString(1 << 20, QLatin1Char('1'));
    QVERIFY(qAbs(fieldValue(digits) - 1.1111111111111111) < 1e-12);
}

QTEST_APPLESS_MAIN(TestFieldValue)
#include "tst_fieldvalue.moc"
