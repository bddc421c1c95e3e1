#include "programs/demo/forms/paddemo.h"

#include "programs/demo/forms/meterdemo.h"

namespace {

TCheckBox* AddCheck(TFormLoader& Loader, const std::string& Name, const char* Caption,
                    TWinControl* Parent, int Top) {
  auto* box = Loader.Add<TCheckBox>(Name, Parent);
  box->SetBounds(8, Top, 68, 20);
  box->SetCaption(Caption);
  return box;
}

TEdit* AddReadout(TFormLoader& Loader, const std::string& Name, TWinControl* Parent, int Top,
                  int Width) {
  auto* edit = Loader.Add<TEdit>(Name, Parent);
  edit->SetBounds(8, Top, Width, 22);
  edit->SetReadOnly(true);
  return edit;
}

}  // namespace

std::string PadStatusWord(uint16_t Status) { return IntText(Status, 4); }

TPadInputs AddPadInputs(TFormLoader& Loader, TDirectionPad* Pad, int Left, int Top,
                        const std::string& OffText) {
  // Modes, status and repeat on the left; the two bevel groups, which need the width of their
  // items, stacked on the right.
  TPadInputs in;
  in.Modus = Loader.Add<TGroupBox>("ModusGroup");
  in.Modus->SetBounds(Left, Top, 81, 68);
  in.Modus->SetCaption("Modus");
  in.Rast = AddCheck(Loader, "RastCheck", "rast", in.Modus, 20);
  in.Rast->SetChecked(!Pad->AllowAllUp());
  BindCheckFollower(in.Rast, [Pad](bool on) { Pad->SetAllowAllUp(!on); });
  in.Lock = AddCheck(Loader, "LockCheck", "lock", in.Modus, 42);
  in.Lock->SetChecked(Pad->LockMode());
  BindCheckFollower(in.Lock, [Pad](bool on) { Pad->SetLockMode(on); });

  in.Status = Loader.Add<TGroupBox>("StatusGroup");
  in.Status->SetBounds(Left, Top + 74, 81, 68);
  in.Status->SetCaption("Status");
  in.StatusChar = AddReadout(Loader, "StatusChar", in.Status, 18, 28);
  in.StatusWord = AddReadout(Loader, "StatusWord", in.Status, 42, 62);
  const TNotifyEvent down_up = [Pad, in](TObject*) {
    DemoBeep();
    in.StatusChar->SetText(std::string(1, Pad->Button()));
    in.StatusWord->SetText(PadStatusWord(Pad->ButtonStatus()));
  };
  Pad->OnDown = down_up;
  Pad->OnUp = down_up;

  if (OffText == "off") {  // "off" alone does not say what is off
    auto* label = Loader.Add<TLabel>("RepeatLabel");
    label->SetBounds(Left, Top + 148, 81, 16);
    label->SetCaption("Repeat");
  }
  in.RepeatSpeed = Loader.Add<TTextSpin>("RepeatSpeed");
  in.RepeatSpeed->SetBounds(Left, Top + 166, 81, 26);
  in.RepeatSpeed->PosText()->SetText(
      OffText + "\n1/sec |1000\n2/sec |500\n3/sec |333\n4/sec |250\n5/sec |200");
  in.RepeatSpeed->onChanging = [Pad, spin = in.RepeatSpeed](TObject*) {
    Pad->SetRepSpeed(spin->PosInteger());
  };

  const int right = Left + 85;
  in.SelBevelOut = AddSelector<TPanelBevel>(
      Loader, "SelBevelOut", "Rahmen aussen", {right, Top, right + 108, Top + 94}, kBevelItems,
      kBevelItems.IndexOf(Pad->BevelOut()), [Pad](TPanelBevel v) { Pad->SetBevelOut(v); });
  in.SelBevelIn = AddSelector<TPanelBevel>(
      Loader, "SelBevelIn", "Rahmen innen", {right, Top + 98, right + 108, Top + 192}, kBevelItems,
      kBevelItems.IndexOf(Pad->BevelIn()), [Pad](TPanelBevel v) { Pad->SetBevelIn(v); });
  return in;
}
