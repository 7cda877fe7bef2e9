// Puzzle files at the sizes an imported word list reaches, made once per run in a temporary
// folder that goes at the end of the run, and the plain buffered read they are measured against.
#pragma once

#include <cstdint>
#include <string>

namespace tallyrope::bench {

// The folder, with its trailing separator, of a puzzle database TRData.dat of `records` records.
std::string databaseFolder(std::int32_t records);

// The folder, with its trailing separator, of a puzzle store OnLoad.dat of about 100 MB.
std::string storeFolder();

// The number of bytes in the file.
std::int64_t fileSize(const std::string& path);

// Reads the whole file through a 64 KiB buffer, as the simplest reader would.
void plainRead(const std::string& path);

} // namespace tallyrope::bench
