#include "programs/demo/forms/demopictures.h"

#include "platform/graphics/graphics_error.h"
#include "programs/demo/assets.h"

std::unique_ptr<TBitmap> LoadDemoPicture(const std::string& FileName) {
  auto bitmap = std::make_unique<TBitmap>();
  try {
    bitmap->LoadFromFile(AssetPath("pictures/" + FileName));
  } catch (const EInvalidGraphic&) {
    bitmap->Assign(nullptr);
  }
  return bitmap;
}
