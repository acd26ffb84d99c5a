#pragma once
// Windows-1252, the 8-bit encoding of task list files.
// Decoding is total and lossless: the five bytes the code page leaves
// undefined (81 8D 8F 90 9D) become the C1 code points of the same value,
// as Windows itself maps them, so every byte survives a read and a write.

#include <string>
#include <string_view>

namespace tasklist {

// Bytes in Windows-1252 to UTF-8.
std::string decodeCp1252(std::string_view bytes);

// UTF-8 to Windows-1252. Characters the code page cannot hold are collected
// (each once, in order of appearance, as UTF-8) in `unmappable`; the result
// is only meaningful when that string stays empty. Invalid UTF-8 counts as
// unmappable too (as U+FFFD).
std::string encodeCp1252(std::string_view utf8, std::string *unmappable);

// The capital of a character where Windows-1252 has one (ä → Ä, š → Š, ÿ → Ÿ);
// ß and µ, whose capitals the code page lacks, stay as they are. UTF-8 in and out.
std::string upperCp1252(std::string_view utf8);

} // namespace tasklist
