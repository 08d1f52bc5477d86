#include "coretablelocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvane {

namespace {
const QString tableName = QStringLiteral("quillet.ini");
}

CoreTableLocation CoreTableLocation::standard()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return CoreTableLocation(QCoreApplication::applicationDirPath(),
                             config.isEmpty() ? QString() : QDir(config).filePath(QStringLiteral("corvane")));
}

QString CoreTableLocation::programTable() const
{
    return QDir(m_programFolder).filePath(tableName);
}

QString CoreTableLocation::userTable() const
{
    return m_userFolder.isEmpty() ? QString() : QDir(m_userFolder).filePath(tableName);
}

QString CoreTableLocation::tableToRead() const
{
    const QString user = userTable();
    if (!user.isEmpty() && QFileInfo(user).isFile())
        return user;
    return programTable();
}

QString CoreTableLocation::tableToEdit(QString *error) const
{
    const QFileInfo program(programTable());
    return tableToEdit(program.exists() ? program.isWritable() : QFileInfo(m_programFolder).isWritable(), error);
}

QString CoreTableLocation::tableToEdit(bool programWritable, QString *error) const
{
    const QString user = userTable();
    if (!user.isEmpty() && QFileInfo::exists(user))
        return user;
    const QFileInfo program(programTable());
    if (programWritable || user.isEmpty())
        return programTable();

    // Start the copy from the program's table so the user edits what they see.
    QString problem;
    if (!QDir().mkpath(m_userFolder))
        problem = QStringLiteral("Cannot create the folder %1.").arg(QDir::toNativeSeparators(m_userFolder));
    else if (!(program.exists() ? QFile::copy(program.filePath(), user) : QFile(user).open(QIODevice::WriteOnly)))
        problem = QStringLiteral("Cannot copy the core table to %1.").arg(QDir::toNativeSeparators(user));
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return QString();
    }
    // A copy of a read-only installed file is read-only too: the user must be able to edit it.
    QFile::setPermissions(user, QFile::permissions(user) | QFile::WriteOwner | QFile::ReadOwner);
    return user;
}

} // namespace corvane
