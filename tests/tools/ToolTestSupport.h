#pragma once

#include <QString>

#include <ostream>

// Failed comparisons of texts show the text, not its UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
