// Interaction benchmarks of the main window, run by hand (not a test):
//   QT_QPA_PLATFORM=offscreen build/bench/bench_quillet -median 9
// The window is the real one with a 50-core table (the shipped records, repeated).
#include "coretable.h"
#include "fieldedit.h"
#include "fiftycoretable.h"
#include "quietoffscreen.h"
#include "quillet.h"

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using corvane::CoreTable;
using corvane::FieldEdit;
using corvane::Quillet;

namespace {

// Counts the paint events that reach any widget of a window.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    QSet<QObject *> painted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted.insert(watched);
        }
        return false;
    }
};

} // namespace

class bench_Quillet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void capacitanceCommit_data();
    void capacitanceCommit();
    void capacitanceCommitRepaintsOnlyChangedFields();
    void solverAlone();
    void loadCoreTable();
    void openMainWindow();

private:
    void commitCapacitance(const QString &value, bool repaint = true);

    QTemporaryDir m_dir;
    QString m_table;
    std::unique_ptr<Quillet> m_window;
};

void bench_Quillet::initTestCase()
{
    bench::dropOffscreenSizeHintWarnings();
    QVERIFY(m_dir.isValid());
    m_table = m_dir.filePath(QStringLiteral("quillet.ini"));
    QVERIFY(bench::writeFiftyCoreTable(m_table));
    QCOMPARE(CoreTable::load(m_table).coreCount, 50);
}

// The window, shown and active, after 7.1 MHz was committed; the focus is in
// the capacitance field.
void bench_Quillet::init()
{
    m_window = std::make_unique<Quillet>(m_table);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), m_window->txt(0));
    QTest::keyClicks(m_window->txt(0), QStringLiteral("7.1"));
    QTest::keyClick(m_window->txt(0), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_window->txt(1));
    QCOMPARE(m_window->txt(0)->text(), QStringLiteral("7.100"));
}

void bench_Quillet::cleanup()
{
    m_window.reset();
}

// What a user does to change the capacitance once: the focus is in the
// capacitance field with its text selected; type the value and Tab, which
// commits it (the solver rewrites impedance, inductance and all 50 turns
// fields) and moves to the inductance field. Then empty the inductance field
// and go back with "c": an empty field commits nothing, but the solver must
// see another field left before it takes the capacitance field again.
// With 'repaint', the window is repainted before the step ends.
void bench_Quillet::commitCapacitance(const QString &value, bool repaint)
{
    FieldEdit *capacitance = m_window->txt(1);
    FieldEdit *inductance = m_window->txt(2);
    QTest::keyClicks(capacitance, value);
    QTest::keyClick(capacitance, Qt::Key_Tab);
    QTest::keyClick(inductance, Qt::Key_Backspace);
    QTest::keyClick(inductance, Qt::Key_C);
    if (repaint)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void bench_Quillet::capacitanceCommit_data()
{
    QTest::addColumn<bool>("repaint");
    QTest::newRow("handlers") << false;
    QTest::newRow("handlers and repaint") << true;
}

void bench_Quillet::capacitanceCommit()
{
    QFETCH(bool, repaint);
    const QString values[2] = {QStringLiteral("100"), QStringLiteral("120")};
    int turn = 0;
    QBENCHMARK {
        commitCapacitance(values[turn], repaint);
        turn ^= 1;
    }
    // The last commit must have gone through, or nothing was measured.
    QCOMPARE(m_window->txt(1)->text(), values[turn ^ 1]);
    QVERIFY(m_window->txt(53)->text().contains(QStringLiteral("turns")));
}

// Not timed: a commit repaints the fields whose text changed and the ones the
// focus passed through, and no other field.
void bench_Quillet::capacitanceCommitRepaintsOnlyChangedFields()
{
    commitCapacitance(QStringLiteral("100"));
    QStringList before;
    for (int i = 0; i < Quillet::FieldCount; ++i)
        before << m_window->txt(i)->text();

    PaintCounter counter;
    const auto widgets = m_window->findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->installEventFilter(&counter);
    commitCapacitance(QStringLiteral("120"));

    QSet<int> changed;
    QSet<int> painted;
    for (int i = 0; i < Quillet::FieldCount; ++i) {
        if (m_window->txt(i)->text() != before.at(i))
            changed.insert(i);
        if (counter.painted.contains(m_window->txt(i)))
            painted.insert(i);
    }
    int labels = 0;
    for (QObject *object : std::as_const(counter.painted))
        labels += qobject_cast<QLabel *>(object) ? 1 : 0;
    qInfo("one capacitance commit: %d fields changed, %d paint events: %d fields, %d labels (the core names "
          "overlap the top pixel row of the field below them)",
          int(changed.size()), counter.paints, int(painted.size()), labels);
    QVERIFY(changed.contains(1));
    // The inductance field ends as empty as it began, but it was written,
    // focused, emptied and left on the way.
    changed.insert(2);
    QCOMPARE(painted, changed);
}

// The solver's share of a commit: texts in, solve, texts out.
void bench_Quillet::solverAlone()
{
    corvane::ResonanceSolver solver(CoreTable::load(m_table));
    // As in the window, core 1's field is left first, then the frequency.
    solver.txt_LostFocus(4);
    solver.setText(0, QStringLiteral("7.1"));
    solver.txt_LostFocus(0);
    const QString values[2] = {QStringLiteral("100"), QStringLiteral("120")};
    int turn = 0;
    QBENCHMARK {
        solver.setText(1, values[turn]);
        solver.txt_LostFocus(1);
        solver.setText(2, QString());
        solver.txt_LostFocus(2);
        turn ^= 1;
    }
    QVERIFY(solver.text(53).contains(QStringLiteral("turns")));
}

void bench_Quillet::loadCoreTable()
{
    int count = 0;
    QBENCHMARK {
        count = CoreTable::load(m_table).coreCount;
    }
    QCOMPARE(count, 50);
}

// Building the main window with its 50 cores and painting it once: start-up
// without the process start, the toolkit's set-up and the window system.
void bench_Quillet::openMainWindow()
{
    m_window.reset();
    QBENCHMARK {
        Quillet window(m_table);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    }
}

QTEST_MAIN(bench_Quillet)
#include "bench_quillet.moc"
