#include "frmatten.h"
#include "platformstartguard.h"
#include "quillet.h"
#include "windowtest.h"

#include <QClipboard>
#include <QPointer>
#include <QRasterWindow>

using namespace corvane;

class tst_Desktop : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<Quillet> m_main; // shown and active, without a core table

private slots:
    void init()
    {
        m_main = std::make_unique<Quillet>(m_dir.filePath(QStringLiteral("none.ini")));
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }

    // Back from another program, focus and texts are as the user left them, nothing committed. Opening the
    // attenuator commits nothing in the main window; coming back to it commits its field and moves to the
    // frequency. The attenuator goes with the main window.
    void otherProgramsAndOwnWindows()
    {
        QRasterWindow other;
        auto awayAndBack = [&other](QWidget *window, const QString &keys) {
            other.show();
            other.requestActivate();
            QTRY_VERIFY(!QApplication::activeWindow());
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            typeKeys(window, keys);
        };
        typeKeys(m_main.get(), QStringLiteral("7.1\r1"));
        awayAndBack(m_main.get(), QStringLiteral("2"));
        QCOMPARE(QApplication::focusWidget(), m_main->txt(1));
        QCOMPARE(m_main->txt(1)->text(), QStringLiteral("12"));
        QPointer<frmAtten> atten = showAttenuatorWindow(m_main.get());
        QTRY_COMPARE(QApplication::focusWidget(), atten->txt(1));
        QCOMPARE(m_main->txt(2)->text(), QString());
        typeKeys(atten, QStringLiteral("10\r9")); // the 9 over Pi R1's 96.2, selected
        awayAndBack(atten, QStringLiteral("6"));
        QCOMPARE(QApplication::focusWidget(), atten->txt(2));
        QCOMPARE(atten->txt(2)->text(), QStringLiteral("96"));
        m_main->activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), m_main->txt(0));
        QCOMPARE(m_main->txt(2)->text(), QStringLiteral("41.87")); // 1 / ((2 pi 7.1 MHz)^2 12 pF) = 41.874 uH
        atten->showMinimized(); // Tools > Attenuators brings it back
        m_main->mnuAttenuators_Click();
        QTRY_VERIFY(!atten->isMinimized());
        m_main->close();
        QTRY_VERIFY(atten.isNull());
    }

    // After 12: keys held with Ctrl, Alt (AltGr) or Meta type and edit nothing, but Ctrl with an arrow moves the caret and
    // Ctrl+C copies; the keypad's decimal key types "." on every layout; text composed or dropped first is refused.
    void keysInAField_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("text"); // the field's, then the clipboard's after "|"
        QTest::newRow("AltGr+minus as Ctrl+Alt") << QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Minus) << "12|";
        QTest::newRow("Meta+5") << QKeySequence(Qt::META | Qt::Key_5) << "12|";
        QTest::newRow("Ctrl+Backspace") << QKeySequence(Qt::CTRL | Qt::Key_Backspace) << "12|";
        QTest::newRow("Ctrl+Enter") << QKeySequence(Qt::CTRL | Qt::Key_Return) << "12|";
        QTest::newRow("keypad comma (German)") << QKeySequence(Qt::KeypadModifier | Qt::Key_Comma) << "12.|";
        QTest::newRow("Ctrl+Left, Delete") << QKeySequence(Qt::CTRL | Qt::Key_Left, QKeyCombination(Qt::Key_Delete)) << "2|";
        QTest::newRow("Shift+Home, Ctrl+C") << QKeySequence(Qt::SHIFT | Qt::Key_Home, Qt::CTRL | Qt::Key_C) << "12|12";
    }
    void keysInAField()
    {
        QFETCH(QKeySequence, keys);
        FieldEdit *field = m_main->txt(0);
        QGuiApplication::clipboard()->clear();
        QTest::keyClicks(field, QStringLiteral("12"));
        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("-5"));
        QMimeData data;
        data.setText(QStringLiteral("-7,5"));
        QDropEvent drop(field->rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // As if delivered, which a drop outside a real drag is not.
        static_cast<QObject *>(field)->event(&composed);
        static_cast<QObject *>(field)->event(&drop);
        QTest::keySequence(field, keys);
        QCoreApplication::processEvents();
        QTEST(field->text() + '|' + QGuiApplication::clipboard()->text(), "text");
        QCOMPARE(QApplication::focusWidget(), field);
    }

    // Under a dark theme labels, frame captions, black schematic, fields and selection stay readable.
    void readableUnderDarkTheme()
    {
        const QPalette desktop = QApplication::palette();
        QApplication::setPalette(QPalette(QColor(53, 53, 53), QColor(35, 35, 35))); // white text
        Quillet main(QString{});
        frmAtten atten;
        QApplication::setPalette(desktop);
        auto apart = [](QColor a, QColor b) { return qAbs(qGray(a.rgb()) - qGray(b.rgb())) >= 128; };
        for (QWidget *w : main.findChildren<QWidget *>() + atten.findChildren<QWidget *>()) {
            const QPalette p = w->palette(); // a label's or frame's window colour is what it lies on
            if (w->inherits("QLabel") || w->inherits("QGroupBox"))
                QVERIFY2(apart(p.color(QPalette::WindowText), p.color(QPalette::Window))
                             && apart(Qt::black, p.color(QPalette::Window)), qPrintable(w->objectName()));
            if (w->inherits("QLineEdit"))
                QVERIFY(apart(p.color(QPalette::Text), p.color(QPalette::Base))
                        && apart(p.color(QPalette::HighlightedText), p.color(QPalette::Highlight)));
        }
    }

    // While the window platform starts, Qt's messages wait, and then pass on as they came (the line said
    // when no display answers is checked on the real program by the logic tests).
    void startGuard()
    {
        static QStringList passed;
        const QtMessageHandler outer = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            passed << QStringLiteral("%1 %2 %3:%4").arg(type).arg(QLatin1String(context.category), QLatin1String(context.file))
                                  .arg(context.line) + text;
        });
        std::optional<PlatformStartGuard> guard(std::in_place);
        QMessageLogger().warning("one"); // no category, file or line, in every kind of build
        QMessageLogger("xcb.cpp", 12, "connect", "qt.qpa").info("two");
        passed << QStringLiteral("held");
        guard.reset();
        qInstallMessageHandler(outer);
        QCOMPARE(passed, QStringList({ "held", "1  :0one", "4 qt.qpa xcb.cpp:12two" }));
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
