#include "programs/demo/forms/meterdemo.h"

#include "platform/base/sysutils.h"

const TItemValues<bool> kWithItems{{"ohne", "mit"}, {false, true}};
const TItemValues<TPeakPtrMode> kPeakModeItems{{"off", "drag", "peak"}, {ppNone, ppDrag, ppPeak}};

const TItemValues<TOrientType> kOrientItems{{"oben", "rechts", "unten", "links"},
                                            {orTop, orRight, orBottom, orLeft}};

const TItemValues<TShapeTypeT> kShapeItems{{"Kreis", "Recht.", "Quadrat", "rundR"},
                                           {sstCircle, sstRectangle, sstSquare, sstRoundrect}};

int LedItemOf(bool On, bool Blink) { return ItemOf(kLedItems, TLedSetting{On && !Blink, Blink}); }

void SetNumberEntries(TSelectorSlide* Switch, const std::vector<int>& Numbers, bool WithInteger) {
  TStringList entries;
  for (int n : Numbers) entries.Add(WithInteger ? IntToStr(n) + "|" + IntToStr(n) : IntToStr(n));
  Switch->SetScalaPart(int(Numbers.size()) - 1);
  Switch->SetPosText(&entries);
}

TLedCheck* AddPeakReset(TFormLoader& Loader, const TRect& Box, std::function<void()> Reset) {
  auto* button = Loader.Add<TLedCheck>("PeakReset");
  button->SetBoundsRect(Box);
  button->SetCheckMode(lcButton);
  button->SetCaption("PeakReset");
  button->OnClick = [reset = std::move(Reset)](TObject*) { reset(); };
  return button;
}

TButton* AddPrintButton(TFormLoader& Loader, TForm* Form, const std::string& Caption,
                        const TRect& Box) {
  auto* button = Loader.Add<TButton>("PrintBtn");
  button->SetBoundsRect(Box);
  button->SetCaption(Caption);
  button->OnClick = [Form](TObject*) { Form->Print(); };
  return button;
}
