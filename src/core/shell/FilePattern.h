#pragma once
// The file-type filter of the directory browser's file list: patterns such as "*.box;*.gas"
// with "*" for any run of characters and "?" for exactly one.
//
// The filter only decides what the list shows, never which file is opened, so it ignores letter
// case on every system: data files copied from another machine as RUN.BOX still show under
// "*.box". "*.*" means every file, names without an extension included, as users of the
// program have always read it.

#include <string_view>

namespace torval {

// True when the name matches one of the patterns separated by ";" (blanks around each pattern
// are ignored). An empty pattern list matches every name.
bool matchesFilePattern(std::string_view name, std::string_view patterns);

} // namespace torval
