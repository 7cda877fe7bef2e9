// A puzzle file brought into the browser: a plain puzzle database, such as the puzzle tool
// compiles, or a scrambled store from another copy of the game.
#pragma once

#include <string>

namespace tallyrope {

// Leaves at `plainPath` the database that the file at `importPath` holds, read as a database
// and failing that as a store. False, with nothing written, when it holds neither: a database
// is whole puzzles and nothing else, without line breaks or other control bytes.
bool unpackImport(const std::string& importPath, const std::string& plainPath);

} // namespace tallyrope
