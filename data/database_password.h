#pragma once

#include <QString>

// The password of the database user is kept, encoded, in the file "TALVO.key"
// beside the program, written at installation by "talvo-db set-password".
// The encoding keeps it out of plain sight; it is not encryption.
QString databasePasswordFile();
QString encodeDatabasePassword(const QString &password);
QString decodeDatabasePassword(const QString &encoded); // throws AppError on a damaged text

// The stored password, or an empty one when no file was written (enough for a
// local database opened by the embedded engine).
QString loadDatabasePassword();
void saveDatabasePassword(const QString &password); // throws AppError
