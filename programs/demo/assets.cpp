#include "programs/demo/assets.h"

#include "platform/forms/application.h"

std::string ProgramDir() {
  const std::string exe = Application->ExeName();
  const size_t slash = exe.rfind('/');
  return slash == std::string::npos ? "." : exe.substr(0, slash);
}

std::string AssetPath(const std::string& Name) { return ProgramDir() + "/" + Name; }

std::string GlyphFile(const std::string& Button) { return AssetPath("glyphs/" + Button + ".bmp"); }

std::string IconFile() { return AssetPath("glyphs/orvanedemo.bmp"); }
