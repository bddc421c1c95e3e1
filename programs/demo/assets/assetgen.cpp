// Writes the demo's assets into a directory: the button glyphs and the icon as bitmaps in
// glyphs/, and the sounds as wave files.
//   orvanedemo_assets <directory>
// The pictures the demo forms need (bitmap strips, button faces) get their drawers here too, so
// that one run makes every file the program reads.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/base/safefile.h"
#include "platform/devices/wavewriter.h"
#include "platform/forms/application.h"
#include "platform/graphics/bitmap.h"
#include "programs/demo/assets/glyphs.h"
#include "programs/demo/assets/pictures.h"
#include "programs/demo/assets/sounds.h"
#include "programs/demo/mainbuttons.h"

namespace {

bool Save(const std::string& Path, const std::string& Bytes) {
  if (!SafeWriteFile(Path, Bytes)) {
    std::fprintf(stderr, "orvanedemo_assets: cannot write %s\n", Path.c_str());
    return false;
  }
  return true;
}

bool SaveBitmap(const std::string& Path, const TBitmap& Bitmap) {
  const std::vector<uint8_t> bytes = Bitmap.SaveToBytes();
  return Save(Path, std::string(bytes.begin(), bytes.end()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: orvanedemo_assets <directory>\n");
    return 2;
  }
  // Glyph texts need the font engine, which needs an application object; no window is shown.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  Application->Initialize();
  const std::string dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir + "/glyphs", ec);
  if (ec) {
    std::fprintf(stderr, "orvanedemo_assets: %s: %s\n", dir.c_str(), ec.message().c_str());
    return 1;
  }
  bool ok = true;
  for (const TMainButton& button : MainButtons()) {
    TBitmap glyph;
    if (DrawGlyph(button.Name, &glyph)) {
      ok = SaveBitmap(dir + "/glyphs/" + button.Name + ".bmp", glyph) && ok;
    } else {
      std::fprintf(stderr, "orvanedemo_assets: no glyph for %s\n", button.Name);
      ok = false;
    }
  }
  TBitmap icon;
  DrawIcon(&icon);
  ok = SaveBitmap(dir + "/glyphs/orvanedemo.bmp", icon) && ok;
  std::filesystem::create_directories(dir + "/pictures", ec);
  for (const DemoPictureAsset& picture : ButtonDemoPictures()) {
    ok = SaveBitmap(dir + "/pictures/" + picture.FileName, *picture.Draw()) && ok;
  }
  for (const std::string& name : SoundNames()) {
    ok = Save(dir + "/" + name, PcmWave(kSoundRate, SynthesiseSound(name))) && ok;
  }
  return ok ? 0 : 1;
}
