#include "programs/demo/forms/fmageye.h"

#include "library/foundation/helpers.h"
#include "programs/demo/forms/meterdemo.h"
#include "programs/demo/magiceyestate.h"

namespace {

const TItemValues<TColor> kEyeColorItems{{"gruen", "weiss", "rot", "blau"},
                                         {0x00FF00, 0xFFFFFF, 0x0000FF, 0xFFFF00}};

TPoti270* AddEndPoti(TFormLoader& Loader, const std::string& Name, const TRect& Box, double Value) {
  auto* poti = Loader.Add<TPoti270>(Name);
  poti->SetBoundsRect(Box);
  poti->SetValueStart(0);
  poti->SetValueEnd(10);
  poti->SetValue(Value);
  return poti;
}

}  // namespace

TMagicEyeDemo::TMagicEyeDemo(TComponent* AOwner) : TDemoForm(AOwner, "TMagicEyeDemo") {
  TFormLoader loader(this);

  Magic = loader.Add<TMagicEye>("Magic");
  Magic->SetBounds(8, 8, 336, 44);
  Magic->SetStartValue(0);
  Magic->SetEndValue(10);
  Magic->SetStartPos(3);
  Magic->SetEndPos(7);
  Magic->SetColorBack(clBlack);
  Magic->SetColorEye(clLime);
  Magic->SetColorEyeInv(clRed);

  for (int i = 0; i < 12; ++i) {
    auto* eye = loader.Add<TMagicEye>("MagicEye" + std::to_string(i + 1));
    eye->SetBounds(8 + i * 28, 60, 24, 132);
    eye->SetStartValue(-1);
    eye->SetEndValue(1);
    eye->SetStartPos(-0.001);
    eye->SetEndPos(0.001);
    eye->SetDirection(orVertical);
    MagicEyes.push_back(eye);
  }

  PotiStart = AddEndPoti(loader, "PotiStart", Bounds(352, 4, 124, 96), 3);
  PotiStart->onChanging = [this](TObject*) { Magic->SetStartPos(PotiStart->Value()); };
  PotiEnd = AddEndPoti(loader, "PotiEnd", Bounds(352, 102, 124, 96), 7);
  PotiEnd->onChanging = [this](TObject*) { Magic->SetEndPos(PotiEnd->Value()); };
  PrintBtn = AddPrintButton(loader, this, "Print", Bounds(264, 316, 102, 24));
  CloseBtn = AddCloser(loader, 374, 316, 102, 24);

  SelBevelOut = AddSelector<TPanelBevel>(
      loader, "SelBevelOut", "Rahmen aussen", Bounds(8, 200, 124, 70), kBevelItems,
      ItemOf(kBevelItems, Magic->BevelOut()), [this](TPanelBevel B) { Magic->SetBevelOut(B); });
  SelBevelIn = AddSelector<TPanelBevel>(
      loader, "SelBevelIn", "Rahmen innen", Bounds(136, 200, 124, 70), kBevelItems,
      ItemOf(kBevelItems, Magic->BevelIn()), [this](TPanelBevel B) { Magic->SetBevelIn(B); });
  SelBackCol = AddSelector<TColor>(
      loader, "SelBackCol", "Hintergrund", Bounds(264, 200, 212, 54), kGreyColorItems,
      ItemOf(kGreyColorItems, Magic->ColorBack()), [this](TColor C) { Magic->SetColorBack(C); }, 2);
  SelBarCol = AddSelector<TColor>(
      loader, "SelBarCol", "Balken", Bounds(264, 258, 212, 54), kEyeColorItems,
      ItemOf(kEyeColorItems, Magic->ColorEye()), [this](TColor C) { Magic->SetColorEye(C); }, 2);
  SelInvCol = AddSelector<TColor>(
      loader, "SelInvCol", "Balken invers", Bounds(8, 274, 252, 54), kEyeColorItems,
      ItemOf(kEyeColorItems, Magic->ColorEyeInv()), [this](TColor C) { Magic->SetColorEyeInv(C); },
      2);

  SmartTimer = loader.AddComponent<TSmartTimer>("SmartTimer");
  SmartTimer->SetTime(50);
  SmartTimer->SetTimerMode(tmTicking);
  SmartTimer->TimerEvent = [this](TObject* Sender, bool High) {
    SmartTimerTimerEvent(Sender, High);
  };
  loader.Finish();
}

// One indicator per tick; after each round of twelve the wave moves on by 10 degrees.
void TMagicEyeDemo::SmartTimerTimerEvent(TObject*, bool) {
  if (++MagicEyeIndex == 12) {
    MagicEyeIndex = 0;
    MagicEyePhase += 10;
    if (MagicEyePhase == 360) MagicEyePhase = 0;
  }
  const double s = SinDeg(MagicEyeIndex * 10 + MagicEyePhase);
  MagicEyes[size_t(MagicEyeIndex)]->SetStartPos(s);
  MagicEyes[size_t(MagicEyeIndex)]->SetEndPos(-s);
}
