#pragma once
// Replacing a file's whole content so that a failure never leaves it half written: the bytes go
// into a temporary file beside the target, which is renamed over the target only once every
// byte has reached the disk. Until that rename the previous file stays byte for byte as it was,
// and every failure removes the temporary file again.
//
// The temporary file gets a name of its own on each save (the target's name, a random part and
// ".tmp"), is created exclusively and never through a link (shell/NewFile.h), so nothing planted
// beside the target can redirect the bytes. It takes the replaced file's permission bits before
// the first byte is written.
//
// Failures raise the codes under which ErrorReport tells the user what to do:
//   64 (bad file name)  the target path is empty or names a directory;
//   68 (device unavailable) the target is a device, a pipe or a socket, never replaced;
//   71 (disk not ready) the temporary file cannot be created or the rename fails: the directory
//                       is missing, read-only or not ours, which the user fixes on the disk;
//   61 (disk full)      the bytes cannot all be written or flushed to the temporary file;
//   777 (name too long) the file system refuses the name for its length;
//   778 (save raced)    the target or the temporary file changed under the save (another
//                       program replaced the target by a directory, removed the temporary file,
//                       or keeps taking every temporary name).

#include "shell/ByteSink.h"
#include "shell/RunTimeError.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace torval {

namespace ErrorCode {
inline constexpr int NameTooLong = 777;
inline constexpr int SaveRaced = 778;
} // namespace ErrorCode

// Creates the new temporary file at path (see createNewFile); nullptr only when something
// already exists under the name. Other failures raise their code.
using SinkOpener = std::function<std::unique_ptr<ByteSink>(const std::string& path,
                                                           const std::string& permissionsOf)>;

// The sink of a real, newly created file.
std::unique_ptr<ByteSink> openFileSink(const std::string& path, const std::string& permissionsOf);

// Replaces the file at target (created when missing) with exactly the given bytes.
void replaceFileContents(std::string_view target, std::string_view contents,
                         const SinkOpener& openSink = openFileSink);

} // namespace torval
