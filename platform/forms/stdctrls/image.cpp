#include <utility>

#include "platform/forms/stdctrls/extctrls.h"

TPicture::TPicture() : FBitmap(std::make_unique<TBitmap>()) {
  FBitmap->OnChange = [this](TObject*) {
    if (OnChange) OnChange(this);
  };
}

TPicture::~TPicture() = default;

TImage::TImage(TComponent* AOwner)
    : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
  SetBounds(0, 0, 105, 105);
  FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() = default;

void TImage::SetStretch(bool Value) {
  FStretch = Value;
  Invalidate();
}

void TImage::SetCenter(bool Value) {
  FCenter = Value;
  Invalidate();
}

void TImage::SetTransparent(bool Value) {
  FTransparent = Value;
  Invalidate();
}

void TImage::SetAutoSize(bool Value) {
  FAutoSize = Value;
  PictureChanged();
}

void TImage::PictureChanged() {
  if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0) {
    SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
  }
  Invalidate();
}

void TImage::Paint() {
  TBitmap* picture = FPicture->Bitmap();
  if (picture->Empty()) return;
  // Transparency is the image's setting while it draws; the picture keeps its own, quietly.
  const bool was_transparent = picture->Transparent();
  const auto on_change = std::exchange(picture->OnChange, nullptr);
  if (FTransparent != was_transparent) picture->SetTransparent(FTransparent);
  TCanvas* c = Canvas();
  if (FStretch) {
    c->StretchDraw(ClientRect(), picture);
  } else {
    const int x = FCenter ? (Width() - picture->Width()) / 2 : 0;
    const int y = FCenter ? (Height() - picture->Height()) / 2 : 0;
    c->Draw(x, y, picture);
  }
  if (picture->Transparent() != was_transparent) picture->SetTransparent(was_transparent);
  picture->OnChange = on_change;
}
