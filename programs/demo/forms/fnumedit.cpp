#include "programs/demo/forms/fnumedit.h"

#include "platform/base/strings.h"

namespace {

TNumEdit* AddDisplay(TFormLoader& Loader, const std::string& Name, const TRect& Box,
                     const std::string& Hint) {
  auto* field = Loader.Add<TNumEdit>(Name);
  field->SetBoundsRect(Box);
  field->SetHint(Hint);
  field->SetReadOnly(true);
  return field;
}

}  // namespace

TNumEditDemo::TNumEditDemo(TComponent* AOwner) : TDemoForm(AOwner, "TNumEditDemo") {
  TFormLoader loader(this);
  SetShowHint(true);

  NumEdit1 = loader.Add<TNumEdit>("NumEdit1");
  NumEdit1->SetBounds(16, 24, 150, 36);
  // The hint names the range the field takes.
  NumEdit1->SetHint(
      "Num Edit|Eingabe von -100 bis 999.9. Speicher bzw. exit mit TAB, Enter oder rechte "
      "Maustaste.");
  NumEdit1->SetUnitText(
      "\xBA"
      "C");
  NumEdit1->SetDigits(1);
  NumEdit1->SetPrecision(4);
  NumEdit1->SetValueMin(-100);
  NumEdit1->SetValueMax(999.9);
  NumEdit1->SetErrorShow(true);
  NumEdit1->OnChange = [this](TObject*) { ShowEntry(); };
  NumEdit1->OnExit = [this](TObject*) { ShowEntry(); };

  // The two views of the entry take every value it can hold, 999.9 rounded up included.
  NumEdit2 = AddDisplay(loader, "NumEdit2", Bounds(182, 24, 130, 36),
                        "Integer|Interner Integer-Wert des nebenstehenden Edit Feldes");
  NumEdit2->Font()->SetColor(clMaroon);
  NumEdit2->SetDigits(0);
  NumEdit2->SetValueMin(-100);
  NumEdit2->SetValueMax(1000);
  NumEdit3 = AddDisplay(loader, "NumEdit3", Bounds(328, 24, 144, 36),
                        "Float|Interner Float-Wert des nebenstehenden Edit Feldes");
  NumEdit3->Font()->SetColor(clTeal);
  NumEdit3->SetDigits(1);
  NumEdit3->SetValueMin(-100);
  NumEdit3->SetValueMax(1000);

  Poti2701 = loader.Add<TPoti270>("Poti2701");
  Poti2701->SetBounds(16, 84, 180, 210);
  Poti2701->SetCaption(
      "\xB5"
      "A");
  Poti2701->SetCaptEnable(true);
  Poti2701->SetValueStart(0);
  Poti2701->SetValueEnd(10);
  NumEdit4 = AddDisplay(loader, "NumEdit4", Bounds(226, 150, 190, 40),
                        "Instrument|Digitale Anzeige. Werte ueber nebenstehenden Poti eingeben.");
  NumEdit4->SetColTxtBack(clAqua);
  NumEdit4->SetUnitText(
      "\xB5"
      "A");
  NumEdit4->SetDigits(3);
  NumEdit4->SetValueMin(0);
  NumEdit4->SetValueMax(9.999);
  NumEdit4->OnExit = [this](TObject*) { ShowEntry(); };

  EventSel = loader.Add<TCheckBox>("EventSel");
  EventSel->SetBounds(226, 202, 110, 20);
  EventSel->SetCaption("OnChanged");
  Poti2701->onChanging = SelectedEvent(EventSel, false, [this] { ShowPoti(); });
  Poti2701->onChanged = SelectedEvent(EventSel, true, [this] { ShowPoti(); });

  CloseBtn = AddCloser(loader, 392, 288, 80, 27);
  OnClick = [this](TObject*) { SetActiveControl(CloseBtn); };
  loader.Finish();
}

void TNumEditDemo::ShowEntry() {
  NumEdit2->SetValueInt(NumEdit1->ValueInt());
  NumEdit3->SetValueFloat(NumEdit1->ValueFloat());
}

void TNumEditDemo::ShowPoti() { NumEdit4->SetValueFloat(Poti2701->Value()); }
