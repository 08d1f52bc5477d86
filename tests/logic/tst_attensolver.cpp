#include "attensolver.h"
#include "schematiclines.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <cmath>

using corvane::AttenSolver;

namespace {

using Texts = QStringList;

// A solver as a newly opened window leaves it: 50.0 shown, then the Tab of
// the first activation leaves field 0.
AttenSolver opened()
{
    AttenSolver s;
    s.formLoad();
    s.txt_LostFocus(0);
    return s;
}

void enter(AttenSolver &s, int field, const QString &text)
{
    s.setText(field, text);
    s.txt_LostFocus(field);
}

Texts textsOf(const AttenSolver &s)
{
    Texts t;
    for (const QString &x : s.texts())
        t << x;
    return t;
}

Texts lastTextsOf(const AttenSolver &s)
{
    Texts t;
    for (int i = 0; i < AttenSolver::FieldCount; ++i)
        t << s.lastText(i);
    return t;
}

std::array<double, 6> numbersOf(const AttenSolver &s)
{
    return { s.impedOhm(), s.attenDb(), s.r1Ohm(), s.r2Ohm(), s.r3Ohm(), s.r4Ohm() };
}

bool near(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-12 * std::fabs(expected);
}

} // namespace

class TestAttenSolver : public QObject
{
    Q_OBJECT
private slots:
    void initialState();
    void formLoadShowsFiftyPointZero();
    void firstTabStoresImpedanceOnly();
    void forward_data();
    void forward();
    void backwardWithoutAttenuation_data();
    void backwardWithoutAttenuation();
    void resistorMovesImpedance_data();
    void resistorMovesImpedance();
    void unchangedTextRecomputesNothing();
    void sameNumberTypedDifferentlyRecomputes();
    void zeroOrEmptyKeepsNumber_data();
    void zeroOrEmptyKeepsNumber();
    void eraseZeroesNumbersAndKeepsRememberedTexts();
    void afterEraseOnlyReformatsUntilBothKnown();
    void afterEraseSameTextComputesNothing();
    void typedNumberKeepsFullPrecision();
    void refusals_data();
    void refusals();
    void refusalAfterErase();
    void largestAttenuationStillWorks();
    void acceptedCommitClearsRefusal();
    void fieldsNeverShowNonsense();
    void schematicLines();
};

void TestAttenSolver::initialState()
{
    AttenSolver s;
    QCOMPARE(s.impedOhm(), 50.0);
    QCOMPARE(s.attenDb(), 0.0);
    QCOMPARE(s.r1Ohm(), 0.0);
    QCOMPARE(s.r2Ohm(), 0.0);
    QCOMPARE(s.r3Ohm(), 0.0);
    QCOMPARE(s.r4Ohm(), 0.0);
    QCOMPARE(lastTextsOf(s), Texts({ "50", "", "", "", "", "", "", "" }));
    QCOMPARE(textsOf(s), Texts(8, QString()));
    QVERIFY(s.refusal().isEmpty());
}

void TestAttenSolver::formLoadShowsFiftyPointZero()
{
    AttenSolver s;
    enter(s, 1, QStringLiteral("10"));
    s.formLoad(); // starts over, as a fresh window does
    QCOMPARE(textsOf(s), Texts({ "50.0", "", "", "", "", "", "", "" }));
    QCOMPARE(s.attenDb(), 0.0);
    QCOMPARE(s.lastText(0), QStringLiteral("50"));
}

void TestAttenSolver::firstTabStoresImpedanceOnly()
{
    const AttenSolver s = opened();
    QCOMPARE(textsOf(s), Texts({ "50.0", "", "", "", "", "", "", "" }));
    QCOMPARE(lastTextsOf(s), textsOf(s));
    QCOMPARE(s.impedOhm(), 50.0);
    QCOMPARE(s.r1Ohm(), 0.0);
    QVERIFY(s.refusal().isEmpty());
}

void TestAttenSolver::forward_data()
{
    QTest::addColumn<QString>("impedance");
    QTest::addColumn<QString>("attenuation");
    QTest::addColumn<Texts>("expected");
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("r4");

    QTest::newRow("50 ohms 10 dB") << "50" << "10"
        << Texts({ "50.0", "10.0", "96.2", "96.2", "71.2", "26.0", "26.0", "35.1" })
        << 96.24752955742645 << 35.13641844631533;
    QTest::newRow("50 ohms 3 dB") << "50" << "3"
        << Texts({ "50.0", "3.0", "292.4", "292.4", "17.6", "8.5", "8.5", "141.9" })
        << 292.402179640268 << 141.92615588654357;
    QTest::newRow("600 ohms 1 dB") << "600" << "1"
        << Texts({ "600.0", "1.0", "10434.6", "10434.6", "69.2", "34.5", "34.5", "5200.0" })
        << 10434.577948597169 << 5200.0386359632175;
    QTest::newRow("75 ohms 6 dB") << "75" << "6"
        << Texts({ "75.0", "6.0", "225.7", "225.7", "56.0", "24.9", "24.9", "100.4" })
        << 225.7140356305868 << 100.39656097155924;
}

void TestAttenSolver::forward()
{
    QFETCH(QString, impedance);
    QFETCH(QString, attenuation);
    QFETCH(Texts, expected);
    QFETCH(double, r1);
    QFETCH(double, r4);

    AttenSolver s = opened();
    enter(s, 0, impedance);
    // No attenuation yet: the impedance alone computes nothing.
    QCOMPARE(s.text(2), QString());
    enter(s, 1, attenuation);
    QCOMPARE(textsOf(s), expected);
    QCOMPARE(lastTextsOf(s), expected);
    QVERIFY(near(s.r1Ohm(), r1));
    QVERIFY(near(s.r4Ohm(), r4));
}

void TestAttenSolver::backwardWithoutAttenuation_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Texts>("expected");
    QTest::addColumn<double>("attenDb");

    const Texts r1 { "50.0", "9.5", "100.0", "100.0", "66.7", "25.0", "25.0", "37.5" };
    const Texts r3 { "50.0", "3.5", "250.0", "250.0", "20.8", "10.0", "10.0", "120.0" };
    const Texts r2r4 { "50.0", "7.7", "120.7", "120.7", "50.0", "20.7", "20.7", "50.0" };
    QTest::newRow("R1 left") << 2 << "100" << r1 << 9.542425094393248;
    QTest::newRow("R1 right") << 3 << "100" << r1 << 9.542425094393248;
    QTest::newRow("R3 left") << 5 << "10" << r3 << 3.5218251811136247;
    QTest::newRow("R3 right") << 6 << "10" << r3 << 3.5218251811136247;
    QTest::newRow("R2") << 4 << "50" << r2r4 << 7.655513706757261;
    QTest::newRow("R4") << 7 << "50" << r2r4 << 7.655513706757261;
    QTest::newRow("R3 8.55 rounds up") << 5 << "8.55"
        << Texts({ "50.0", "3.0", "292.4", "292.4", "17.6", "8.6", "8.6", "141.9" }) << 3.00004729044179;
}

void TestAttenSolver::backwardWithoutAttenuation()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(Texts, expected);
    QFETCH(double, attenDb);

    AttenSolver s = opened();
    enter(s, field, text);
    QCOMPARE(textsOf(s), expected);
    QVERIFY(near(s.attenDb(), attenDb));
    QCOMPARE(s.impedOhm(), 50.0);
    QVERIFY(s.refusal().isEmpty());
}

void TestAttenSolver::resistorMovesImpedance_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Texts>("expected");
    QTest::addColumn<double>("impedOhm");

    QTest::newRow("R1 into field 3") << 3 << "100"
        << Texts({ "51.9", "10.0", "100.0", "100.0", "73.9", "27.0", "27.0", "36.5" }) << 51.94938532959157;
    QTest::newRow("R3 into field 5") << 5 << "10"
        << Texts({ "19.2", "10.0", "37.1", "37.1", "27.4", "10.0", "10.0", "13.5" }) << 19.249505911485286;
    QTest::newRow("R2") << 4 << "50"
        << Texts({ "35.1", "10.0", "67.6", "67.6", "50.0", "18.3", "18.3", "24.7" }) << 35.13641844631533;
    QTest::newRow("R4") << 7 << "50"
        << Texts({ "71.2", "10.0", "137.0", "137.0", "101.3", "37.0", "37.0", "50.0" }) << 71.15124735378853;
}

void TestAttenSolver::resistorMovesImpedance()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(Texts, expected);
    QFETCH(double, impedOhm);

    AttenSolver s = opened();
    enter(s, 1, QStringLiteral("10"));
    enter(s, field, text);
    QCOMPARE(textsOf(s), expected);
    QCOMPARE(s.attenDb(), 10.0); // a known attenuation is kept
    QVERIFY(near(s.impedOhm(), impedOhm));
}

void TestAttenSolver::unchangedTextRecomputesNothing()
{
    AttenSolver s = opened();
    enter(s, 1, QStringLiteral("10"));
    const auto before = numbersOf(s);
    // 96.2 read back as R1 would move the impedance to 49.97.
    for (int field = 0; field < AttenSolver::FieldCount; ++field)
        s.txt_LostFocus(field);
    QCOMPARE(numbersOf(s), before);
    QCOMPARE(s.text(2), QStringLiteral("96.2"));
}

void TestAttenSolver::sameNumberTypedDifferentlyRecomputes()
{
    AttenSolver s = opened();
    enter(s, 1, QStringLiteral("10"));
    s.setText(4, QString()); // only a recomputation fills it again
    enter(s, 1, QStringLiteral("10"));
    QCOMPARE(s.text(1), QStringLiteral("10.0"));
    QCOMPARE(s.text(4), QStringLiteral("71.2"));
    QCOMPARE(s.attenDb(), 10.0);
}

void TestAttenSolver::zeroOrEmptyKeepsNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << "0";
    QTest::newRow("empty") << "";
    QTest::newRow("point") << ".";
    QTest::newRow("zero point zero") << "0.0";
}

void TestAttenSolver::zeroOrEmptyKeepsNumber()
{
    QFETCH(QString, text);
    AttenSolver s = opened();
    enter(s, 1, QStringLiteral("10"));
    const auto before = numbersOf(s);
    enter(s, 1, text);
    QCOMPARE(numbersOf(s), before);
    QCOMPARE(s.text(1), text);
    QCOMPARE(s.lastText(1), text);
    // A later impedance still uses the stored 10 dB.
    enter(s, 0, QStringLiteral("75"));
    QCOMPARE(textsOf(s), Texts({ "75.0", text, "144.4", "144.4", "106.7", "39.0", "39.0", "52.7" }));
    QCOMPARE(s.attenDb(), 10.0);
}

void TestAttenSolver::eraseZeroesNumbersAndKeepsRememberedTexts()
{
    AttenSolver s = opened();
    enter(s, 1, QStringLiteral("10"));
    const Texts remembered = lastTextsOf(s);
    s.erase();
    QCOMPARE(numbersOf(s), (std::array<double, 6> { 0, 0, 0, 0, 0, 0 }));
    QCOMPARE(textsOf(s), Texts(8, QString()));
    QCOMPARE(lastTextsOf(s), remembered);
}

void TestAttenSolver::afterEraseOnlyReformatsUntilBothKnown()
{
    AttenSolver s = opened();
    enter(s, 1, QStringLiteral("10"));
    s.erase();
    s.txt_LostFocus(1); // leaving the emptied field remembers the empty texts

    enter(s, 2, QStringLiteral("100"));
    QCOMPARE(textsOf(s), Texts({ "", "", "100.0", "100.0", "", "", "", "" }));
    QCOMPARE(s.r1Ohm(), 100.0);
    QCOMPARE(s.impedOhm(), 0.0);
    QCOMPARE(s.attenDb(), 0.0);

    enter(s, 0, QStringLiteral("50"));
    QCOMPARE(textsOf(s), Texts({ "50.0", "", "100.0", "100.0", "", "", "", "" }));
    QCOMPARE(s.attenDb(), 0.0);

    enter(s, 1, QStringLiteral("10"));
    QCOMPARE(textsOf(s), Texts({ "50.0", "10.0", "96.2", "96.2", "71.2", "26.0", "26.0", "35.1" }));
}

void TestAttenSolver::afterEraseSameTextComputesNothing()
{
    AttenSolver s = opened();
    enter(s, 1, QStringLiteral("10"));
    s.erase();
    enter(s, 1, QStringLiteral("10.0")); // exactly its remembered text
    QCOMPARE(s.attenDb(), 0.0);
    QCOMPARE(s.text(2), QString());
}

void TestAttenSolver::typedNumberKeepsFullPrecision()
{
    AttenSolver s = opened();
    s.erase();
    enter(s, 5, QStringLiteral("8.55"));
    QCOMPARE(s.text(5), QStringLiteral("8.6"));
    QCOMPARE(s.text(6), QStringLiteral("8.6"));
    QCOMPARE(s.r3Ohm(), 8.55);
}

void TestAttenSolver::refusals_data()
{
    QTest::addColumn<QString>("attenuation"); // entered first, when not empty
    QTest::addColumn<QString>("impedance");   // entered next, when not empty
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");

    const QString bigZ = QStringLiteral("1") + QString(308, QLatin1Char('0'));
    QTest::newRow("R1 below Z") << "" << "" << 2 << "40" << "R1 must be larger than the impedance";
    QTest::newRow("R1 equal to Z") << "" << "" << 3 << "50" << "R1 must be larger than the impedance";
    QTest::newRow("R3 above Z") << "" << "" << 5 << "60" << "R3 must be smaller than the impedance";
    QTest::newRow("R3 equal to Z") << "" << "" << 6 << "50" << "R3 must be smaller than the impedance";
    QTest::newRow("attenuation too small")
        << "" << "" << 1 << "0.0000000000000001" << "attenuation is too small";
    QTest::newRow("R1 so large K is 1")
        << "" << "" << 2 << "1000000000000000000" << "attenuation is too small";
    QTest::newRow("attenuation too large") << "" << "" << 1 << "3083" << "attenuation is too large";
    QTest::newRow("attenuation far too large") << "10" << "" << 1 << "100000" << "attenuation is too large";
    QTest::newRow("R2 squared overflows") << "" << "" << 4 << QString(200, QLatin1Char('9'))
        << "attenuation would be out of range";
    QTest::newRow("impedance so large R1 overflows") << "10" << "" << 0 << bigZ << "R1 would be out of range";
    QTest::newRow("impedance so large R2 overflows") << "100" << "" << 0 << bigZ.left(301)
        << "R2 would be out of range";
    QTest::newRow("impedance so small R4 underflows") << "3000" << "" << 0
        << QStringLiteral("0.") + QString(199, QLatin1Char('0')) + QStringLiteral("1") << "R4 would be out of range";
    QTest::newRow("R3 so large the impedance overflows") << "1" << "" << 5 << bigZ
        << "The impedance would be out of range";
    QTest::newRow("R1 below a changed impedance") << "" << "100" << 3 << "80" << "R1 must be larger";
}

void TestAttenSolver::refusals()
{
    QFETCH(QString, attenuation);
    QFETCH(QString, impedance);
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, reason);

    AttenSolver s = opened();
    if (!attenuation.isEmpty())
        enter(s, 1, attenuation);
    if (!impedance.isEmpty())
        enter(s, 0, impedance);
    QVERIFY(s.refusal().isEmpty());
    const auto numbers = numbersOf(s);
    Texts expected = textsOf(s);
    const Texts remembered = lastTextsOf(s);

    enter(s, field, text);
    QVERIFY2(s.refusal().contains(reason), qPrintable(s.refusal()));
    QCOMPARE(numbersOf(s), numbers);
    expected[field] = remembered[field];
    QCOMPARE(textsOf(s), expected);
    QCOMPARE(lastTextsOf(s), expected);
}

void TestAttenSolver::refusalAfterErase()
{
    // The field shows its remembered text again although erase emptied the rest.
    AttenSolver s = opened();
    enter(s, 1, QStringLiteral("10"));
    s.erase();
    enter(s, 0, QStringLiteral("50"));
    QCOMPARE(s.text(1), QString());
    enter(s, 3, QStringLiteral("20"));
    QVERIFY(s.refusal().contains(QStringLiteral("R1 must be larger")));
    QCOMPARE(textsOf(s), Texts({ "50.0", "", "", "", "", "", "", "" }));
    QCOMPARE(s.r1Ohm(), 0.0);
}

void TestAttenSolver::largestAttenuationStillWorks()
{
    // 3000 dB at 50 ohms: R2 = 25 * 10^150 and R4 = 100 / 10^150, both doubles.
    AttenSolver s = opened();
    enter(s, 1, QStringLiteral("3000"));
    QVERIFY2(s.refusal().isEmpty(), qPrintable(s.refusal()));
    QCOMPARE(s.attenDb(), 3000.0);
    QVERIFY(near(s.r2Ohm(), 2.5e151));
    QVERIFY(std::fabs(s.r4Ohm() - 1e-148) < 1e-160);
    QVERIFY(s.r4Ohm() > 0);
    QCOMPARE(s.text(5), QStringLiteral("50.0")); // R3 tends to Z
}

void TestAttenSolver::acceptedCommitClearsRefusal()
{
    AttenSolver s = opened();
    enter(s, 2, QStringLiteral("40"));
    QVERIFY(!s.refusal().isEmpty());
    enter(s, 2, QStringLiteral("100"));
    QVERIFY(s.refusal().isEmpty());
    QCOMPARE(s.text(1), QStringLiteral("9.5"));
}

void TestAttenSolver::fieldsNeverShowNonsense()
{
    // Random entries of every size: whatever is accepted or refused, no field
    // shows "nan", "inf" or a sign, and every number stays finite.
    QRandomGenerator random(20240607);
    const QRegularExpression typed(QStringLiteral("^[0-9.]*$"));
    AttenSolver s = opened();
    for (int round = 0; round < 3000; ++round) {
        const int field = int(random.bounded(AttenSolver::FieldCount));
        QString text;
        switch (random.bounded(4)) {
        case 0: text = QString::number(random.bounded(1000)); break;
        case 1: text = QString::number(random.bounded(100.0), 'f', 3); break;
        case 2: text = QStringLiteral("1") + QString(int(random.bounded(330)), QLatin1Char('0')); break;
        default:
            text = QStringLiteral("0.") + QString(int(random.bounded(330)), QLatin1Char('0')) + QStringLiteral("7");
            break;
        }
        if (random.bounded(50) == 0)
            s.erase();
        enter(s, field, text);
        for (const QString &t : s.texts())
            QVERIFY2(typed.match(t).hasMatch(), qPrintable(t.left(40)));
        for (double n : numbersOf(s))
            QVERIFY(std::isfinite(n) && n >= 0);
    }
}

void TestAttenSolver::schematicLines()
{
    // 26 strokes draw the Pi network, 24 the T network.
    int pi = 0;
    int t = 0;
    for (const corvane::SchematicLine &l : corvane::schematicLines) {
        QVERIFY(l.frame == 2 || l.frame == 3);
        (l.frame == 3 ? pi : t)++;
        QVERIFY(l.x1 % 15 == 0 && l.y1 % 15 == 0 && l.x2 % 15 == 0 && l.y2 % 15 == 0);
    }
    QCOMPARE(pi, 26);
    QCOMPARE(t, 24);

    // Each resistor is six joined strokes of 120 in both directions, swinging
    // up from a horizontal axis or left of a vertical one.
    for (int first : { 1, 7, 13, 19, 25, 31 }) {
        const auto &start = corvane::schematicLines[std::size_t(first - 1)];
        const bool vertical = start.y2 > start.y1;
        for (int i = 0; i < 6; ++i) {
            const auto &l = corvane::schematicLines[std::size_t(first - 1 + i)];
            QCOMPARE(l.frame, start.frame);
            if (i > 0) {
                const auto &before = corvane::schematicLines[std::size_t(first - 2 + i)];
                QCOMPARE(l.x1, before.x2);
                QCOMPARE(l.y1, before.y2);
            }
            QCOMPARE(std::abs(l.x2 - l.x1), 120);
            QCOMPARE(std::abs(l.y2 - l.y1), 120);
            if (vertical) {
                QCOMPARE(l.y2 - l.y1, 120);
                QCOMPARE(std::min(l.x1, l.x2), start.x1 - 120);
            } else {
                QCOMPARE(l.x2 - l.x1, 120);
                QCOMPARE(std::min(l.y1, l.y2), start.y1 - 120);
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestAttenSolver)
#include "tst_attensolver.moc"
