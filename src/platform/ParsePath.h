#pragma once

#include <string>

namespace tb {

// Splits a path of the 8.3 era, written with backslashes ("C:\MUSIC\SCALES.INI"):
// part 0 gives the drive and folder ("C:\MUSIC\"), 1 the drive ("C:"), 2 the extension
// with its dot (".INI"), 3 the file name without extension ("SCALES"); any other part
// gives an empty text. A name longer than 8 characters or an extension longer than 3 is
// not recognised as such, and a path with forward slashes has no folder at all.
std::string ParsePath(const std::string &path, int part);

} // namespace tb
