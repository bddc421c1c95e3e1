#pragma once
// What the text viewer shows: text files as lines, any file's first bytes as hex lines, and how
// hex columns address bytes.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "library/controls/txtscroll/textlines.h"

enum tsHexSize { hsByte, hsWord, hsLong };

// Longer lines of a text file are cut; the rest of such a line is skipped.
constexpr int kMaxTextLine = 1023;

// The lines of a text file, ended by LF, CR LF or a lone CR, plus one empty line after the last.
// Throws EInOutError when the file cannot be opened or read, or is no regular file.
std::unique_ptr<TtsStringList> ReadTextLines(const std::string& FileName);

// Reads the file's first Buffer.size() bytes into Buffer and zeroes the rest; returns the number
// read. Throws EInOutError when the file cannot be opened or read, or is no regular file.
int ReadFileStart(const std::string& FileName, std::vector<uint8_t>& Buffer);

// Hex line n of a buffer: the address (16 n + Offset, six hex digits), the 16 bytes in hex in
// groups of 1, 2 or 4 bytes, then the bytes as characters (32..127 as they are, others NonHex).
// Bytes beyond the buffer read as 0.
std::string HexLineText(const std::vector<uint8_t>& Buffer, int n, int Offset, tsHexSize Size,
                        char NonHex);
// The column header that lines up with the hex lines.
std::string HexHeaderText(tsHexSize Size);

// The first column of the bytes and the group blanks' rule.
constexpr int kHexFirstCol = 7;
enum THexCharKind { hkNone, hkLowNibble, hkHighNibble, hkAscii };
// The byte (0..15) that a column of a hex line shows, or -1; Kind tells which part of it.
int HexByteInLine(int Col, tsHexSize Size, THexCharKind* Kind = nullptr);
// True for the blank after a group of hex digits.
bool IsHexGroupBlank(int Col, tsHexSize Size);
