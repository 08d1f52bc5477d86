// The desktop integration: the menu entry and the AppStream data validate and agree with each
// other and with the installed names, the icons have the sizes their theme folders promise,
// and an installation puts the program beside its core table with a working launcher.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

namespace {

const QString desktopId = QStringLiteral("org.corvane.Corvane");

// data/CMakeLists.txt copies the files under test into <build>/data-check; the tests live in
// <build>/tests.
QString checkPath(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../data-check/") + name);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// key=value lines, as in build-info.txt and in the [Desktop Entry] group.
QMap<QString, QString> keyValues(const QByteArray &text)
{
    QMap<QString, QString> values;
    for (const QByteArray &line : text.split('\n')) {
        const int at = line.indexOf('=');
        if (at > 0 && !line.startsWith('#'))
            values.insert(QString::fromUtf8(line.left(at)).trimmed(), QString::fromUtf8(line.mid(at + 1)).trimmed());
    }
    return values;
}

QString firstMatch(const QByteArray &text, const char *pattern)
{
    return QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromUtf8(text)).captured(1);
}

struct Run
{
    bool started = false;
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments)
{
    Run result;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    result.started = process.waitForStarted(10000);
    if (!result.started)
        return result;
    process.waitForFinished(120000);
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

} // namespace

class tst_DesktopFiles : public QObject
{
    Q_OBJECT

private:
    QMap<QString, QString> buildInfo;
    QMap<QString, QString> entry;
    QByteArray metainfo;

private slots:
    void initTestCase()
    {
        buildInfo = keyValues(readAll(checkPath(QStringLiteral("build-info.txt"))));
        QVERIFY2(!buildInfo.value(QStringLiteral("version")).isEmpty(), qPrintable(checkPath("build-info.txt")));
        const QByteArray desktop = readAll(checkPath(desktopId + QStringLiteral(".desktop")));
        QVERIFY(desktop.startsWith("[Desktop Entry]\n"));
        entry = keyValues(desktop);
        metainfo = readAll(checkPath(desktopId + QStringLiteral(".metainfo.xml")));
        QVERIFY(!metainfo.isEmpty());
    }

    void desktopFileValidates()
    {
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
        const Run r = run(validator, { checkPath(desktopId + QStringLiteral(".desktop")) });
        QVERIFY(r.started);
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        // It passes files with warnings and hints; ours should have none.
        QVERIFY2(r.output.trimmed().isEmpty(), qPrintable(r.output));
    }

    void metainfoValidates()
    {
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (validator.isEmpty())
            QSKIP("appstreamcli is not installed (Debian package appstream)");
        const Run r = run(validator, { QStringLiteral("validate"), QStringLiteral("--no-net"),
                                       checkPath(desktopId + QStringLiteral(".metainfo.xml")) });
        QVERIFY(r.started);
        QVERIFY2(r.exitCode == 0, qPrintable(r.output));
        QVERIFY2(!r.output.contains(QRegularExpression(QStringLiteral("^[EWI]: "),
                                                       QRegularExpression::MultilineOption)),
                 qPrintable(r.output));
    }

    // The menu entry starts the launcher and shows the icon that the installation provides.
    void desktopEntryMatchesInstall()
    {
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Corvane"));
        QCOMPARE(entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0), QStringLiteral("corvane"));
        QCOMPARE(entry.value(QStringLiteral("Icon")), QStringLiteral("corvane"));
        QVERIFY(QFileInfo::exists(checkPath(QStringLiteral("icons/corvane.svg"))));
        QCOMPARE(entry.value(QStringLiteral("Terminal")), QStringLiteral("false"));
    }

    // Software centres join the AppStream data to the menu entry by these names.
    void metainfoMatchesDesktopEntry()
    {
        QCOMPARE(firstMatch(metainfo, "<id>([^<]*)</id>"), desktopId);
        QCOMPARE(firstMatch(metainfo, "<launchable type=\"desktop-id\">([^<]*)</launchable>"),
                 desktopId + QStringLiteral(".desktop"));
        QCOMPARE(firstMatch(metainfo, "<binary>([^<]*)</binary>"), QStringLiteral("corvane"));
        QCOMPARE(firstMatch(metainfo, "<name>([^<]*)</name>"), entry.value(QStringLiteral("Name")));
    }

    // The newest release listed is the version being built.
    void metainfoNamesThisRelease()
    {
        QCOMPARE(firstMatch(metainfo, "<release version=\"([^\"]*)\""), buildInfo.value(QStringLiteral("version")));
    }

    // Each PNG lands in hicolor/<size>x<size>; its header must say that size.
    void iconSizes_data()
    {
        QTest::addColumn<int>("size");
        for (int size : { 32, 48, 64, 128, 256 })
            QTest::addRow("%d", size) << size;
    }

    void iconSizes()
    {
        QFETCH(int, size);
        const QByteArray png = readAll(checkPath(QStringLiteral("icons/corvane-%1.png").arg(size)));
        QVERIFY(png.size() > 24);
        QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
        QCOMPARE(png.mid(12, 4), QByteArray("IHDR"));
        const auto bigEndian = [&](int at) {
            return int(uchar(png[at]) << 24 | uchar(png[at + 1]) << 16 | uchar(png[at + 2]) << 8 | uchar(png[at + 3]));
        };
        QCOMPARE(bigEndian(16), size);
        QCOMPARE(bigEndian(20), size);
    }

    // A real installation: the program sits in a folder of its own beside its core table,
    // and the launcher on the PATH reaches it.
    void installLayout()
    {
        const QString built = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin/corvane"));
        if (!QFileInfo::exists(built))
            QSKIP("the program is not built (CORVANE_GUI off, or only the tests were built)");
        QTemporaryDir prefix;
        QVERIFY(prefix.isValid());
        const Run install = run(buildInfo.value(QStringLiteral("cmake")),
                                { QStringLiteral("--install"), buildInfo.value(QStringLiteral("build")),
                                  QStringLiteral("--prefix"), prefix.path() });
        QVERIFY(install.started);
        QVERIFY2(install.exitCode == 0, qPrintable(install.output));

        const QDir root(prefix.path());
        const QString program = root.filePath(QStringLiteral("lib/corvane/corvane"));
        QVERIFY(QFileInfo(program).isExecutable());
        QCOMPARE(readAll(root.filePath(QStringLiteral("lib/corvane/quillet.ini"))),
                 readAll(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin/quillet.ini"))));
        const QFileInfo launcher(root.filePath(QStringLiteral("bin/corvane")));
        QVERIFY(launcher.isSymLink());
        QCOMPARE(launcher.canonicalFilePath(), QFileInfo(program).canonicalFilePath());
        // Relative, so that the package's files work wherever they are unpacked.
        QVERIFY(std::filesystem::read_symlink(launcher.filePath().toStdString()).is_relative());

        for (const char *file : { "share/applications/org.corvane.Corvane.desktop",
                                  "share/metainfo/org.corvane.Corvane.metainfo.xml",
                                  "share/icons/hicolor/scalable/apps/corvane.svg",
                                  "share/icons/hicolor/32x32/apps/corvane.png",
                                  "share/icons/hicolor/256x256/apps/corvane.png",
                                  "share/doc/corvane/copyright" })
            QVERIFY2(QFileInfo::exists(root.filePath(QString::fromLatin1(file))), file);

        const Run version = run(launcher.filePath(), { QStringLiteral("--version") });
        QVERIFY(version.started);
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.output.trimmed(), QStringLiteral("corvane ") + buildInfo.value(QStringLiteral("version")));
    }
};

QTEST_GUILESS_MAIN(tst_DesktopFiles)
#include "tst_desktopfiles.moc"
