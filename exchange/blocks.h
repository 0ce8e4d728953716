#pragma once

// Readers and writers of the data blocks a drop carries: texts, the file-drop
// block of "CF_HDROP" and the file group descriptor of "FileGroupDescriptor".
//
// A block comes from another program and may say anything: every offset,
// count and length in it is checked against the block's size, and a text
// that lacks its NUL ends at the block's end (or, inside a list, ends the
// list). No reader ever looks outside the block it is given.

#include <optional>
#include <string>
#include <vector>

#include "exchange/datasource.h"

// 8-bit text from the start of the block up to the first NUL or the block's end.
std::string Text8(ByteView block);
// UTF-16 (little-endian) text up to the first NUL character or the block's
// end, converted to UTF-8. A last odd byte is not part of any character.
std::string Text16(ByteView block);
// The text of a text block: 8-bit, or UTF-16 when the 8-bit text has fewer
// than 2 characters (a wide text's second byte is NUL).
std::string BlockText(ByteView block);

// The names of a file-drop block: a 32-bit offset to a list of NUL-terminated
// names ended by an empty name. The list is UTF-16 when its first name, read
// as 8-bit text, has exactly one character. The first name is taken even when
// empty. A list that breaks off (an offset outside the block, a name without
// its terminator) gives the names read before the break.
std::vector<std::string> FileDropNames(ByteView block);
// A file-drop block of 8-bit names: a 20-byte header whose first field is the
// offset of the list, each name with its NUL, then the empty name.
Bytes BuildFileDrop(const std::vector<std::string>& names);

// The file name of the first file of a file group descriptor (a 32-bit count,
// then descriptors of 332 bytes with the name at byte 72, 260 bytes at most
// with its NUL). Nothing when the count is 0, when the descriptors it claims
// do not fit in the block or when the name lacks its NUL.
std::optional<std::string> FirstGroupFileName(ByteView block);
