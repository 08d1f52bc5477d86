// Interaction benchmark of the attenuator window, run by hand (not a test):
//   QT_QPA_PLATFORM=offscreen build/bench/bench_frmatten -median 9
#include "fieldedit.h"
#include "quietoffscreen.h"
#include "frmatten.h"

#include <QApplication>
#include <QTest>

#include <memory>

using corvane::FieldEdit;
using corvane::frmAtten;

class bench_frmAtten : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void attenuationCommit_data();
    void attenuationCommit();
    void openWindow();

private:
    std::unique_ptr<frmAtten> m_window;
};

void bench_frmAtten::initTestCase()
{
    bench::dropOffscreenSizeHintWarnings();
}

// The window as it opens: 50.0 ohms, and the activation's Tab has put the
// focus into the attenuation field.
void bench_frmAtten::init()
{
    m_window = std::make_unique<frmAtten>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), m_window->txt(1));
}

void bench_frmAtten::cleanup()
{
    m_window.reset();
}

void bench_frmAtten::attenuationCommit_data()
{
    QTest::addColumn<bool>("repaint");
    QTest::newRow("handlers") << false;
    QTest::newRow("handlers and repaint") << true;
}

// Type an attenuation and Tab: the commit rewrites all six resistor fields and
// the focus moves to the first Pi resistor. Shift+Tab goes back (leaving that
// field unchanged commits nothing), with the attenuation selected.
void bench_frmAtten::attenuationCommit()
{
    QFETCH(bool, repaint);
    FieldEdit *attenuation = m_window->txt(1);
    FieldEdit *next = m_window->txt(2);
    const QString values[2] = {QStringLiteral("6"), QStringLiteral("10")};
    int turn = 0;
    QBENCHMARK {
        QTest::keyClicks(attenuation, values[turn]);
        QTest::keyClick(attenuation, Qt::Key_Tab);
        QTest::keyClick(next, Qt::Key_Tab, Qt::ShiftModifier);
        if (repaint)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        turn ^= 1;
    }
    // The last value went through and was worked out, or nothing was measured.
    QCOMPARE(QApplication::focusWidget(), attenuation);
    QCOMPARE(m_window->solver().attenDb(), values[turn ^ 1].toDouble());
    QVERIFY(m_window->solver().r4Ohm() > 0);
}

// Building the window and painting it once, as Tools > Attenuators does.
void bench_frmAtten::openWindow()
{
    m_window.reset();
    QBENCHMARK {
        frmAtten window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
}

QTEST_MAIN(bench_frmAtten)
#include "bench_frmatten.moc"
