#pragma once
// The game reads its files by name, so each fuzz input is written to a file of this
// process's own before the real reader opens it.
#include <cstddef>
#include <cstdint>
#include <string>

// Writes the bytes to "<temporary folder>/quorvish-fuzz-<pid><suffix>" and returns that name.
std::string writeFuzzFile(const std::uint8_t* data, std::size_t size, const char* suffix);
