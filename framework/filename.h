#pragma once

#include <QString>

#include <string>

// File names cross between Qt's strings and the program's here. The program
// keeps a name as the bytes the system gave; Qt's own conversions turn
// bytes that are not UTF-8 into U+FFFD, which names no file. Here such a
// byte travels as a lone surrogate, U+DC00 + the byte (U+DC80 to U+DCFF),
// so every name comes back byte for byte; UTF-8 names convert as usual.

QString FileNameToQString(const std::string& bytes);
std::string FileNameFromQString(const QString& name);
