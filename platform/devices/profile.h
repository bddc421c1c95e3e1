#pragma once
// Profile (INI) files with the rules of the Windows profile functions, on our own engine.
//
// File names: backslashes count as '/'; a name without any '/' lies in ConfigDirectory() (the
// stand-in for the Windows directory); other names are used as they stand (relative ones from the
// current directory). Names are bytes and go to the operating system unchanged.
//
// File format: "[section]" lines open sections, "key=value" lines are entries, lines starting
// with ';' or '#' are comments, a non-blank line without '=' is an entry with an empty value.
// Lines before the first section belong to no section. Section and key names match without regard
// to case (Windows-1252 letters) and to blanks around them; the first matching section and the
// first matching key in it win. Lines end at CRLF, LF or a lone CR (CRs straight before a LF are
// part of the line end). A rewrite keeps every line it does not change as it was, line end
// included; new lines end in CRLF.
//
// Every call reads the file anew and writes it back at once: nothing is cached, nothing held open.
// Writes go to a temporary file in the same directory that is then renamed over the file, so a
// failed write leaves the old file whole and a reader never sees a half-written one. Writers, in
// this process or others, take turns through a lock on the file ".<name>.lock" beside it, held from
// reading to renaming, so none loses another's change; one that cannot have it within seconds
// fails.

#include <string>

// The path a profile file name resolves to (see above).
std::string ProfilePath(const std::string& FileName);

// The entry's value with blanks around it removed and one pair of matching enclosing quotes
// ('...' or "...") taken off. The default, with trailing blanks removed, when the file, the section
// or the key is missing. No length limit: callers that keep a fixed buffer cut the result.
std::string ProfileRead(const std::string& Section, const std::string& Key, const std::string& Def,
                        const std::string& FileName);

// Writes key=value (no blanks added around '='; an empty key or value is written as it is).
// An existing entry's line is replaced where it stands; a new entry goes after the last entry of
// its section; a missing section is added at the end of the file, with no blank line before it;
// a missing file is created.
// False when the file cannot be written (missing or unwritable directory, read-only file, full
// disk), and for texts that would not read back as written (a line break anywhere, ']' in the
// section, '=' in the key or a key starting with '[', ';' or '#'); the file is then unchanged.
bool ProfileWrite(const std::string& Section, const std::string& Key, const std::string& Value,
                  const std::string& FileName);

// Removes the entry's line. True when there was nothing to remove.
bool ProfileEraseEntry(const std::string& Section, const std::string& Key,
                       const std::string& FileName);

// Removes the section: its header, its entries and whatever else stands up to the next section.
// True when there was nothing to remove.
bool ProfileEraseSection(const std::string& Section, const std::string& FileName);
