#pragma once
// The report texts are Windows-1252 bytes (the superscripts of the units are 178 and 179); the
// painter needs Unicode. Qt decodes the code page by name where it was built with a codec for
// it; otherwise our own table of 0x80-0x9F does, which is the only range where the code page
// differs from Latin-1.

#include <QString>
#include <string_view>

namespace torval {

QString fromWindows1252(std::string_view bytes);

// The decoding without Qt's codec. The five bytes the code page leaves undefined decode as in
// Latin-1, as Qt's codec decodes them.
QString fromWindows1252ByTable(std::string_view bytes);

} // namespace torval
