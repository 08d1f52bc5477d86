// Every field of both calculator windows has a name a screen reader speaks.
#include "fieldedit.h"
#include "frmatten.h"
#include "quillet.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

using corvane::frmAtten;
using corvane::Quillet;

namespace {

// What assistive technology is told about a widget.
QString spoken(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QStringLiteral("(no interface)");
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mainWindowNames_data();
    void mainWindowNames();
    void turnsFieldsSpeakTheirHint();
    void mainWindowTopFieldsDescribeTheKeys();
    void attenuatorNames_data();
    void attenuatorNames();
    void attenuatorDescriptionCarriesTheHint();

private:
    QTemporaryDir m_dir;
    QString m_table;
};

void TestAccessibility::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_table = m_dir.filePath(QStringLiteral("quillet.ini"));
    QFile file(m_table);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("@t50-2 4.9 0.627\n@FT37-43 350 0.476\n");
}

void TestAccessibility::mainWindowNames_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("frequency") << 0 << "Frequency, MHz";
    QTest::newRow("capacitance") << 1 << "Capacitance, pF";
    QTest::newRow("inductance") << 2 << "Inductance, microhenries";
    QTest::newRow("impedance") << 3 << "Impedance, ohms";
    QTest::newRow("core 1") << 4 << "T50-2 turns";
    QTest::newRow("core 2") << 5 << "FT37-43 turns";
    QTest::newRow("slot 3") << 6 << "Core slot 3 turns, no core";
    QTest::newRow("slot 50") << 53 << "Core slot 50 turns, no core";
}

void TestAccessibility::mainWindowNames()
{
    QFETCH(int, field);
    QFETCH(QString, name);
    Quillet window(m_table);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.txt(field)->accessibleName(), name);
    QCOMPARE(spoken(window.txt(field), QAccessible::Name), name);
    QCOMPARE(QAccessible::queryAccessibleInterface(window.txt(field))->role(), QAccessible::EditableText);
}

void TestAccessibility::turnsFieldsSpeakTheirHint()
{
    Quillet window(m_table);
    QCOMPARE(spoken(window.txt(4), QAccessible::Description), window.txt(4)->toolTip());
    QVERIFY(spoken(window.txt(4), QAccessible::Description).startsWith(QStringLiteral("T50-2: AL 4.9 nH/turn²")));
    QCOMPARE(spoken(window.txt(6), QAccessible::Description).section(QLatin1Char('\n'), 0, 0), QStringLiteral("No core is loaded in slot 3"));
}

void TestAccessibility::mainWindowTopFieldsDescribeTheKeys()
{
    Quillet window(m_table);
    for (int i = 0; i < 4; ++i)
        QVERIFY(spoken(window.txt(i), QAccessible::Description).contains(QStringLiteral("E erases all fields")));
}

void TestAccessibility::attenuatorNames_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("name");
    QTest::newRow("impedance") << 0 << "Impedance, ohms";
    QTest::newRow("attenuation") << 1 << "Attenuation, dB";
    QTest::newRow("Pi R1 left") << 2 << "Pi attenuator R1 left, ohms";
    QTest::newRow("Pi R1 right") << 3 << "Pi attenuator R1 right, ohms";
    QTest::newRow("Pi R2") << 4 << "Pi attenuator R2, ohms";
    QTest::newRow("T R3 left") << 5 << "T attenuator R3 left, ohms";
    QTest::newRow("T R3 right") << 6 << "T attenuator R3 right, ohms";
    QTest::newRow("T R4") << 7 << "T attenuator R4, ohms";
}

void TestAccessibility::attenuatorNames()
{
    QFETCH(int, field);
    QFETCH(QString, name);
    frmAtten window;
    QCOMPARE(window.txt(field)->accessibleName(), name);
    QCOMPARE(spoken(window.txt(field), QAccessible::Name), name);
    QVERIFY(!spoken(window.txt(field), QAccessible::Description).isEmpty());
}

void TestAccessibility::attenuatorDescriptionCarriesTheHint()
{
    QPointer<frmAtten> w = corvane::showAttenuatorWindow(nullptr);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->txt(1)));
    QCOMPARE(spoken(w->txt(4), QAccessible::Description), QStringLiteral("Series resistor of the Pi pad"));
    QTest::keyClicks(w->txt(1), QStringLiteral("10"));
    QTest::keyClick(w->txt(1), Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->txt(2)));
    QCOMPARE(spoken(w->txt(4), QAccessible::Description),
             QStringLiteral("Series resistor of the Pi pad\n") + w->txt(4)->toolTip());
    QVERIFY(w->txt(4)->toolTip().startsWith(QStringLiteral("Pi R2, series: 71.15 ohms")));
    w->close();
    QTRY_VERIFY(w.isNull());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
