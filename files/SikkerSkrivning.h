// Writing a whole file so that the old one is never lost: the new content goes
// to a temporary file beside it, is forced to disk, and only then renamed over
// the old name. A full disk or a lost permission leaves the previous file whole.
// Used for project, data and text files alike.
#pragma once

#include <string>
#include <string_view>

namespace plotvik {

enum class TSkrivning {
    Skrevet,          // the file now holds the new content
    KanIkkeOprettes,  // nothing was written: no permission, no such folder, or not a regular file
    Fejlet            // writing, flushing or renaming failed; the old file is untouched
};

// Only a regular file (or a name that does not exist yet) is ever replaced;
// a symbolic link is followed and the file it points to is replaced.
TSkrivning SkrivFilSikkert(const std::string& navn, std::string_view indhold);

}  // namespace plotvik
