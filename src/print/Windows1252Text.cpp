#include "Windows1252Text.h"

#include <QStringDecoder>
#include <array>

namespace torval {

namespace {

// 0x80 to 0x9F of the code page; the five bytes it leaves undefined keep their Latin-1 meaning.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t characterOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? HighControls[byte - 0x80] : char16_t{byte};
}

} // namespace

QString fromWindows1252ByTable(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        text.append(QChar(characterOf(static_cast<unsigned char>(byte))));
    }
    return text;
}

QString fromWindows1252(std::string_view bytes) {
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid()) {
        return fromWindows1252ByTable(bytes);
    }
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

} // namespace torval
