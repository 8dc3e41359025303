#pragma once
// `zarvana check`, `import` and `export`: question sets from the command
// line, with no window and no display, before anything of Qt is started.
//
//   check FILE    every problem of a set or a bank, one a line as
//                 FILE:LINE: reason (FILE: reason for the whole file)
//   import FILE   the set into the bank of the application folder, merged,
//                 or in its place with --replace (the old bank kept beside it)
//   export FILE   the bank, or the levels --levels A-B, as a set
//
// The exit status: 0 when done (check: no problem), 1 when a problem was
// found and nothing was written, 2 for arguments it cannot follow.

#include <iosfwd>

#include "app/command_line.h"

namespace zv {

int runSetCommand(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace zv
