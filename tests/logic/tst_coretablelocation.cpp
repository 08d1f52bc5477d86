#include "coretablelocation.h"

#include <QtTest>

using corvane::CoreTableLocation;

class TestCoreTableLocation : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void readsTheProgramTableWithoutAUserCopy();
    void readsTheUserCopyOnceItExists();
    void editsTheProgramTableWhenItsFolderIsWritable();
    void copiesTheTableForEditingWhenTheFolderIsReadOnly();
    void editsAnExistingUserCopyWithoutOverwritingIt();
    void reportsAFolderThatCannotBeMade();

private:
    void write(const QString &path, const QByteArray &bytes);
    QByteArray read(const QString &path);
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_program;
    QString m_user;
};

void TestCoreTableLocation::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_program = m_dir->filePath(QStringLiteral("program"));
    m_user = m_dir->filePath(QStringLiteral("config/corvane"));
    QVERIFY(QDir().mkpath(m_program));
    write(m_program + QStringLiteral("/quillet.ini"), "@T50-2 4.9 0.6\r\n");
}

void TestCoreTableLocation::write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray TestCoreTableLocation::read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestCoreTableLocation::readsTheProgramTableWithoutAUserCopy()
{
    const CoreTableLocation location(m_program, m_user);
    QCOMPARE(location.tableToRead(), m_program + QStringLiteral("/quillet.ini"));
}

void TestCoreTableLocation::readsTheUserCopyOnceItExists()
{
    QVERIFY(QDir().mkpath(m_user));
    write(m_user + QStringLiteral("/quillet.ini"), "@MINE 10 1\r\n");
    const CoreTableLocation location(m_program, m_user);
    QCOMPARE(location.tableToRead(), m_user + QStringLiteral("/quillet.ini"));
}

void TestCoreTableLocation::editsTheProgramTableWhenItsFolderIsWritable()
{
    if (!QFileInfo(m_program + QStringLiteral("/quillet.ini")).isWritable())
        QSKIP("the temporary folder is not writable");
    const CoreTableLocation location(m_program, m_user);
    QCOMPARE(location.tableToEdit(), m_program + QStringLiteral("/quillet.ini"));
    QVERIFY(!QFileInfo::exists(m_user));
}

void TestCoreTableLocation::copiesTheTableForEditingWhenTheFolderIsReadOnly()
{
    // An installed table is read-only; the copy must come out editable all the same.
    const QString table = m_program + QStringLiteral("/quillet.ini");
    QFile::setPermissions(table, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

    const CoreTableLocation location(m_program, m_user);
    QString error;
    const QString edited = location.tableToEdit(false, &error);
    QCOMPARE(edited, m_user + QStringLiteral("/quillet.ini"));
    QVERIFY(error.isEmpty());
    QCOMPARE(read(edited), QByteArray("@T50-2 4.9 0.6\r\n"));
    QVERIFY(QFile::permissions(edited) & QFile::WriteOwner);
    // From now on the program reads the user's copy.
    QCOMPARE(location.tableToRead(), edited);
}

void TestCoreTableLocation::editsAnExistingUserCopyWithoutOverwritingIt()
{
    QVERIFY(QDir().mkpath(m_user));
    write(m_user + QStringLiteral("/quillet.ini"), "@MINE 10 1\r\n");
    const CoreTableLocation location(m_program, m_user);
    QCOMPARE(location.tableToEdit(), m_user + QStringLiteral("/quillet.ini"));
    QCOMPARE(read(m_user + QStringLiteral("/quillet.ini")), QByteArray("@MINE 10 1\r\n"));
}

void TestCoreTableLocation::reportsAFolderThatCannotBeMade()
{
    // The program's folder does not exist and cannot be written; the user's
    // folder would have to be made below a plain file.
    write(m_dir->filePath(QStringLiteral("blocker")), "x");
    const CoreTableLocation location(m_dir->filePath(QStringLiteral("missing")),
                                     m_dir->filePath(QStringLiteral("blocker/corvane")));
    QString error;
    QCOMPARE(location.tableToEdit(false, &error), QString());
    QVERIFY(error.contains(QStringLiteral("blocker")));
}

QTEST_APPLESS_MAIN(TestCoreTableLocation)
#include "tst_coretablelocation.moc"
