#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The program's text is Windows-1252: one byte per character, as grid cells, keys and files need.
namespace text {

// The Unicode code point of a Windows-1252 byte (the five unassigned bytes keep their value).
char32_t CodePoint(unsigned char byte);
// The Windows-1252 byte of a code point, or '?' when the code page has no such character.
char FromCodePoint(char32_t cp);

// One code point appended to a UTF-8 text.
void AppendUtf8(std::string& out, char32_t cp);
std::string ToUtf8(std::string_view cp1252);
std::string FromUtf8(std::string_view utf8);
std::u16string ToUtf16(std::string_view cp1252);
std::string FromUtf16(std::u16string_view utf16);

bool IsValidUtf8(std::string_view bytes);
// Text read from a file typed in any editor: a UTF-8 file (with or without its mark) is converted,
// anything else is taken as Windows-1252.
std::string DecodeFileText(std::string_view bytes);

// Case mapping of Windows-1252 (É <-> é, Œ <-> œ, Ÿ <-> ÿ).
char ToLower(char c);
char ToUpper(char c);
std::string ToLower(std::string_view s);
std::string ToUpper(std::string_view s);
bool IsUpper(char c);

// Lines of a text whose line breaks are LF, CR LF or CR CR LF; a final break ends the last line.
std::vector<std::string> SplitLines(std::string_view s);

// File names: the program names a file in Windows-1252, the file system in its own encoding.
std::filesystem::path PathFromText(std::string_view cp1252);
std::string TextFromPath(const std::filesystem::path& path);

}  // namespace text
