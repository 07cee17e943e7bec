#pragma once
// Creating a file that must not exist yet: the one way the program opens a file for writing.
// The file is created exclusively and never through a link, so a name planted beforehand (a
// link to another file, a file of another user) makes the creation fail instead of writing
// somewhere else.

#include "shell/ByteSink.h"

#include <memory>
#include <string>

namespace torval {

enum class NewFileFailure {
    None,
    NameTaken,   // something already exists under the name (a file, a directory, a link)
    NameTooLong, // the name or the whole path is longer than the file system allows
    Refused,     // anything else: a missing or read-only directory, no permission, a full disk
};

struct NewFile {
    std::unique_ptr<ByteSink> sink; // set when created
    NewFileFailure failure = NewFileFailure::None;
};

// Creates the file at path for writing, in binary. When permissionsOf names an existing
// file, the new file gets that file's permission bits before a byte is written; otherwise it
// gets the permissions any new file of the user gets.
NewFile createNewFile(const std::string& path, const std::string& permissionsOf);

} // namespace torval
