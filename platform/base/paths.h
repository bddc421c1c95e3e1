#pragma once
// File names and text: two kinds of std::string that never mix.
//
// - Text (captions, messages, list lines, what a user types into an edit, the data files' names
//   and fields) is Windows-1252, one byte per character.
// - A file name (every path handed to open(), a dialog, a file list box or a sound, and every
//   path they hand back) is the file system's own bytes, exactly as stored: UTF-8 by this
//   system's convention, but any byte string the file system allows is kept as it is.
//
// The functions below are the only crossings. A file name shown to the user goes through
// PathToText; text that a user typed as a file name becomes one through TextToPath; a toolkit
// that names files in UTF-16 (Qt) gets and gives them through PathToUtf16 and PathFromUtf16,
// which keep every name, even one that is no valid UTF-8.

#include <string>
#include <string_view>

// A file name as text, for showing only: characters outside Windows-1252, and bytes that are no
// UTF-8, show as '?'. The result never becomes a file name again.
std::string PathToText(std::string_view Path);

// Text (Windows-1252) that names a file, such as a name typed into an edit: its characters in
// UTF-8. Every text has its name, and PathToText gives the text back.
std::string TextToPath(std::string_view Text);

// A file name in UTF-16. Valid UTF-8 becomes its characters; each byte that is no part of valid
// UTF-8 becomes the lone low surrogate U+DC80..U+DCFF, so that PathFromUtf16 gives back the same
// bytes for every name.
std::u16string PathToUtf16(std::string_view Path);

// The file name of a UTF-16 name: characters in UTF-8, the lone surrogates U+DC80..U+DCFF as the
// bytes $80..$FF. Any other lone surrogate, which no file name gives, becomes U+FFFD.
std::string PathFromUtf16(std::u16string_view Name);
