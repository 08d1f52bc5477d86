// The floor for start-up time and memory: a main window with a menu bar and the
// same 54 line edits and 58 labels at fixed positions as Corvane's main window,
// doing nothing else. Corvane cannot start faster than this.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

static QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Print Screen"));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"));
    QMenu *tools = window.menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->addAction(QStringLiteral("&Attenuators"));
    tools->addAction(QStringLiteral("&Parameters"));
    tools->addAction(QStringLiteral("&TechData"));
    window.menuBar()->addAction(QStringLiteral("&Help"));
    window.menuBar()->addAction(QStringLiteral("&About"));

    auto *client = new QWidget;
    client->setFixedSize(777, 703);
    for (int i = 0; i < 4; ++i) {
        (new QLabel(QStringLiteral("Label"), client))->setGeometry(twips(1680 + 2280 * i, 120, 1215, 255));
        (new QLabel(QStringLiteral("X="), client))->setGeometry(twips(1320 + 2280 * i, 480, 255, 255));
        (new QLineEdit(client))->setGeometry(twips(1680 + 2280 * i, 360, 1455, 390));
    }
    for (int i = 0; i < 50; ++i) {
        const int c = i % 5, r = i / 5;
        (new QLabel(QStringLiteral("CORE"), client))->setGeometry(twips(240 + 2280 * c, 1080 + 960 * r, 2055, 255));
        (new QLineEdit(client))->setGeometry(twips(240 + 2280 * c, 1320 + 960 * r, 2055, 390));
    }
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}
