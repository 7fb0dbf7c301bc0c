// Which symbolic links the program follows to a file it reads or writes. A
// link in a settings folder must not become a way to make the program write
// (or read) somebody else's file, so a link is followed only when the link
// and the file it leads to belong to the user running the program and that
// file is a regular file; dotfile managers that link the settings to a
// repository of one's own keep working. The program resolves links itself,
// so the kernel's protection of links in shared sticky folders never applies
// and this rule has to hold instead.
#pragma once

#include <string>

namespace tarvel {

struct ResolvedPath {
    bool allowed = false;   // false: do not touch the path; `reason` says why
    std::string target;     // the file that is really meant: `path` or where its links lead
    bool viaLink = false;   // at least one link was followed
    bool exists = false;    // `target` is there
    std::string reason;     // "<path>: ..." when refused
};

// Follows the links of the last component of `path` under the rule above. A
// path that is no link is allowed as it is, whatever it is (the caller checks
// the kind of file); a link that leads nowhere is refused.
ResolvedPath ResolveOwnedLinks(const std::string& path);

}  // namespace tarvel
