#pragma once

#include <QString>

// The application title used by message boxes: the program file's name up to its
// first ".", first letter as it is and the rest in lower case ("TALVO" -> "Talvo").
QString applicationTitleFor(const QString &programPath);

// The title of this running program.
QString applicationTitle();
