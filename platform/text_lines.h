#pragma once

#include <QString>
#include <QStringList>

// Reads a small text file as a list of lines: CR LF, LF or CR end a line and
// nothing is trimmed. A byte-order mark names the encoding; without one, text
// that is valid UTF-8 is read as such, anything else as Windows-1252.
// Throws AppError with a French message when the file cannot be read.
QStringList readTextLines(const QString &path);

// The same decoding, for bytes already read.
QString decodeText(const QByteArray &bytes);
