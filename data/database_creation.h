#pragma once

#include <QString>

// Creates a database (a local path, or host:path on a Firebird server) holding
// the whole schema of the shared database. Runs isql-fb; throws AppError with
// its message when the database cannot be made.
void createDatabaseFromSchema(const QString &databaseName, const QString &password);

// The schema script, as the program carries it.
QString schemaScript();
