#pragma once
// What the instrument demo forms share: a selector group placed and bound in one call, the item
// tables of their groups, and the inputs that the meter forms have alike (LED switches, peak
// mode, readout, italic digits, peak reset, turning the meter, print). Each input shows the
// meter's state at the moment it is added, so a form adds it after setting up its meter.

#include <functional>
#include <string>
#include <vector>

#include "library/controls/tasten/ledcheck.h"
#include "library/foundation/types.h"
#include "library/instruments/potis/potis.h"
#include "programs/demo/demoform.h"

// A radio group at Box with the table's items, item ItemIndex chosen and Apply bound to its
// click. Columns lays the items out side by side.
template <class V>
TRadioGroup* AddSelector(TFormLoader& Loader, const std::string& Name, const std::string& Caption,
                         const TRect& Box, const TItemValues<V>& Table, int ItemIndex,
                         std::function<void(const V&)> Apply, int Columns = 1) {
  auto* group = Loader.Add<TRadioGroup>(Name);
  group->SetBoundsRect(Box);
  group->SetCaption(Caption);
  group->SetColumns(Columns);
  BindSelector(group, Table, std::move(Apply));
  group->SetItemIndex(ItemIndex);
  return group;
}

// The item of a table that holds Value; -1 when none does.
template <class V>
int ItemOf(const TItemValues<V>& Table, const V& Value) {
  for (size_t i = 0; i < Table.Values.size(); ++i) {
    if (Table.Values[i] == Value) return int(i);
  }
  return -1;
}

extern const TItemValues<bool> kWithItems;              // "ohne", "mit"
extern const TItemValues<TPeakPtrMode> kPeakModeItems;  // "off", "drag", "peak"
extern const TItemValues<TOrientType> kOrientItems;     // "oben", "rechts", "unten", "links"
extern const TItemValues<TShapeTypeT> kShapeItems;      // "Kreis", "Recht.", "Quadrat", "rundR"

// The item of kLedItems that shows an LED's state.
int LedItemOf(bool On, bool Blink);

// LED Led (1..4) of a meter: switch and state.
template <class M>
void SetMeterLed(M* Meter, int Led, const TLedSetting& S) {
  switch (Led) {
    case 1:
      Meter->SetLedOn1(S.On);
      Meter->SetLedBlink1(S.Blink);
      break;
    case 2:
      Meter->SetLedOn2(S.On);
      Meter->SetLedBlink2(S.Blink);
      break;
    default:
      if constexpr (requires { Meter->SetLedOn4(true); }) {
        if (Led == 3) {
          Meter->SetLedOn3(S.On);
          Meter->SetLedBlink3(S.Blink);
        } else {
          Meter->SetLedOn4(S.On);
          Meter->SetLedBlink4(S.Blink);
        }
      }
  }
}

template <class M>
TLedSetting MeterLed(const M* Meter, int Led) {
  switch (Led) {
    case 1:
      return {Meter->LedOn1(), Meter->LedBlink1()};
    case 2:
      return {Meter->LedOn2(), Meter->LedBlink2()};
    default:
      if constexpr (requires { Meter->LedOn4(); }) {
        return Led == 3 ? TLedSetting{Meter->LedOn3(), Meter->LedBlink3()}
                        : TLedSetting{Meter->LedOn4(), Meter->LedBlink4()};
      }
      return {false, false};
  }
}

// "SelLed<n>": "aus", "ein", "blink" for LED n.
template <class M>
TRadioGroup* AddLedSelector(TFormLoader& Loader, const TRect& Box, M* Meter, int Led) {
  const std::string n = std::to_string(Led);
  const TLedSetting now = MeterLed(Meter, Led);
  return AddSelector<TLedSetting>(
      Loader, "SelLed" + n, "Led " + n, Box, kLedItems, LedItemOf(now.On, now.Blink),
      [Meter, Led](const TLedSetting& S) { SetMeterLed(Meter, Led, S); });
}

// "SelLeds": "ohne", "mit" switch the LEDs off and on.
template <class M>
TRadioGroup* AddLedsSelector(TFormLoader& Loader, const TRect& Box, M* Meter) {
  return AddSelector<bool>(Loader, "SelLeds", "LEDs", Box, kWithItems, Meter->LedEnable() ? 1 : 0,
                           [Meter](bool On) { Meter->SetLedEnable(On); });
}

// "SelDisp": "ohne", "mit" switch the digital readout off and on.
template <class M>
TRadioGroup* AddDispSelector(TFormLoader& Loader, const TRect& Box, M* Meter) {
  return AddSelector<bool>(Loader, "SelDisp", "Display", Box, kWithItems,
                           Meter->DispEnable() ? 1 : 0,
                           [Meter](bool On) { Meter->SetDispEnable(On); });
}

// "DragModes": the peak pointer's mode.
template <class M>
TRadioGroup* AddPeakModeSelector(TFormLoader& Loader, const TRect& Box, M* Meter) {
  return AddSelector<TPeakPtrMode>(Loader, "DragModes", "Peak", Box, kPeakModeItems,
                                   ItemOf(kPeakModeItems, Meter->PeakMode()),
                                   [Meter](TPeakPtrMode Mode) { Meter->SetPeakMode(Mode); });
}

// "ItalicCheck": italic readout digits on both meters.
template <class M>
TCheckBox* AddItalicCheck(TFormLoader& Loader, const TRect& Box, M* Meter, M* Meter2) {
  auto* box = Loader.Add<TCheckBox>("ItalicCheck");
  box->SetBoundsRect(Box);
  box->SetCaption("Italic");
  box->SetChecked(Meter->DispItalic());
  BindCheckFollower(box, [Meter, Meter2](bool On) {
    Meter->SetDispItalic(On);
    Meter2->SetDispItalic(On);
  });
  return box;
}

// Where a turning meter goes: lying (turned to the top or the bottom) and standing (to the
// right or the left) it keeps its top and takes these left edges and sizes.
struct TTurnPlaces {
  TRect Lying;     // Left, Width and Height as Bounds(Left, 0, Width, Height)
  TRect Standing;  // likewise
};

// "SelOrient": turns Meter and moves it to its place for the new orientation.
template <class M>
TRadioGroup* AddOrientSelector(TFormLoader& Loader, const TRect& Box, M* Meter,
                               const TTurnPlaces& Places) {
  return AddSelector<TOrientType>(
      Loader, "SelOrient", "Orientierung", Box, kOrientItems,
      ItemOf(kOrientItems, Meter->Orientation()),
      [Meter, Places](TOrientType O) {
        Meter->SetOrientation(O);
        const TRect& place = O == orTop || O == orBottom ? Places.Lying : Places.Standing;
        Meter->SetBounds(place.Left, Meter->Top(), place.Width(), place.Height());
      },
      2);
}

// The entries of a slide switch's positions: the numbers as texts, each with the number as its
// integer field too when WithInteger.
void SetNumberEntries(TSelectorSlide* Switch, const std::vector<int>& Numbers, bool WithInteger);

// The LED check box in button style captioned "PeakReset", running Reset at each click.
TLedCheck* AddPeakReset(TFormLoader& Loader, const TRect& Box, std::function<void()> Reset);

// A push button that prints Form.
TButton* AddPrintButton(TFormLoader& Loader, TForm* Form, const std::string& Caption,
                        const TRect& Box);
