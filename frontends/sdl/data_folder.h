// Where the Linux program keeps its files and finds what it ships with.
#pragma once

#include <functional>
#include <string>

namespace tallyrope {

// The folder of the running program file, ending with '/'.
std::string programFolder();

// The folder of the data files, ending with '/': `given` (--data) when not empty; otherwise the
// program's own folder when the puzzle store or the working puzzle file lies there (a portable
// copy); otherwise $XDG_DATA_HOME/tallyrope, or ~/.local/share/tallyrope without it.
std::string chooseDataFolder(const std::string& given, const std::string& programFolder,
                             const char* xdgDataHome, const char* home);

// A file the program ships: beside it in a portable copy, else under the install prefix's
// share/tallyrope/. The first place when it is in neither.
std::string shippedFile(const std::string& programFolder, const std::string& name);

// Creates the data folder when missing; false when it cannot be made.
bool makeDataFolder(const std::string& dataFolder);

// A data folder that holds neither puzzle file of the language of `languageCode` (OnLoad.dat
// and TRData.dat for English, OnLoad-de.dat and TRData-de.dat for German) gets a copy of the
// shipped store, which `shippedFile` finds by its name.
void seedStore(const std::string& dataFolder, const std::string& languageCode,
               const std::function<std::string(const std::string& name)>& shippedFile);

} // namespace tallyrope
