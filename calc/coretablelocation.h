#pragma once

#include <QString>

namespace corvane {

// Where the core table lives. The program's own table "quillet.ini" lies beside
// the program. When that folder cannot be written (an installed package), the
// user edits a copy in their configuration folder, and once that copy exists
// the program reads it instead.
class CoreTableLocation
{
public:
    // The program's folder and the user's configuration folder for Corvane.
    CoreTableLocation(const QString &programFolder, const QString &userFolder)
        : m_programFolder(programFolder), m_userFolder(userFolder) {}
    // The folders of the running program and of the current user.
    static CoreTableLocation standard();

    QString programTable() const;
    QString userTable() const;

    // The table to load at start: the user's copy when there is one.
    QString tableToRead() const;

    // The table to open in an editor: the program's own when its folder is
    // writable and the user has no copy; otherwise the user's copy, made
    // first from the program's table (or empty) when it does not exist yet.
    // Returns an empty text, with 'error' set, when no copy can be made.
    QString tableToEdit(QString *error = nullptr) const;
    // The same with the program folder's writability given rather than asked.
    QString tableToEdit(bool programWritable, QString *error) const;

private:
    QString m_programFolder;
    QString m_userFolder;
};

} // namespace corvane
