// Lets GoogleTest print a QString as text.
#pragma once

#include <ostream>

#include <QString>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
