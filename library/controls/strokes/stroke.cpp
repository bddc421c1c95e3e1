#include "library/controls/strokes/stroke.h"

#include <algorithm>

#include "platform/base/numbers.h"
#include "platform/graphics/canvas_state.h"

TStroke::TStroke(TComponent* AOwner) : TRahmen(AOwner), FStrokeSet(new TStrokeSet(this)) {}

void TStroke::SetsString(const std::string& Value) {
  FsString = Value.substr(0, kStrokeMaxChars);
  Invalidate();
}

void TStroke::SetFileABC(bool Value) {
  FStrokeSet->SetFileABC(Value);
  Invalidate();
}

void TStroke::SetSizeX(int Value) { StoreAndRepaint(FSizeX, std::clamp(Value, 1, 2000)); }

void TStroke::SetSizeY(int Value) { StoreAndRepaint(FSizeY, std::clamp(Value, 1, 2000)); }

void TStroke::SetRotate(int Value) {
  FRotate = Value % 360;
  Invalidate();
}

void TStroke::SetBold(int Value) {
  FBold = std::clamp(Value, 1, 50);
  Invalidate();
}

void TStroke::Paint() {
  TRahmen::Paint();
  TCanvas* c = Canvas();
  {
    TCanvasSaver keep(*c, cpPen | cpClip);
    c->IntersectClipRect(InnerRect);
    c->Pen()->SetColor(FColor);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetMode(pmCopy);
    c->Pen()->SetWidth(FBold);
    FStrokeSet->StrokeLayoutText(FsString, FJustifyHor, FItalic, FMirror, FJustifyVert, FSizeY,
                                 FSizeX, FRotate);
    for (int k = 0; k < FStrokeSet->LayoutCount(); ++k) {
      bool move = true;
      for (const TStrokePoint& p : FStrokeSet->LayoutRow(k)) {
        if (p.Mark == -1) break;
        const int x = FPositionX + int(Round(p.X)), y = FPositionY - int(Round(p.Y));
        if (move) {
          c->MoveTo(x, y);
        } else {
          c->LineTo(x, y);
        }
        move = p.Mark == 0;
      }
    }
  }
  if (OnRepaint) OnRepaint(this);
}
