#pragma once
// The demo's own files (glyphs, icon, sounds) lie beside the program, found through the
// program's directory whatever the current directory is.

#include <string>

// The directory of the running program, without a trailing '/'.
std::string ProgramDir();
// The path of an asset file beside the program (Name may hold a subfolder: "glyphs/x.bmp").
std::string AssetPath(const std::string& Name);
// The glyph bitmap file of a main-form button.
std::string GlyphFile(const std::string& Button);
// The program icon.
std::string IconFile();
