#pragma once
// The one crossing between the core's texts (UTF-8, carriage returns as line breaks) and Qt's.

#include <QString>
#include <string>
#include <string_view>

namespace torval {

inline QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A message text: each carriage return (alone or before a line feed) becomes one line break.
inline QString qMessageText(std::string_view text) {
    QString converted = qText(text);
    converted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    converted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return converted;
}

inline std::string stdText(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace torval
