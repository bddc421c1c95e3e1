#include "programs/demo/forms/ffifo.h"

TFifoDemo::TFifoDemo(TComponent* AOwner) : TDemoForm(AOwner, "TFifoDemo") {
  TFormLoader loader(this);
  SetShowHint(true);
  FiFo1 = loader.Add<TFiFo>("FiFo1");
  FiFo1->SetBounds(8, 10, 410, 30);
  FiFo1->SetColTxtBack(clAqua);
  FiFo1->SetHint("Eingabe|Tastur Eingaben werden an die untenliegende FiFo-Komponente uebergeben.");
  FiFo1->OnChange = [this](TObject*) { FiFo2->SetTextChar(FiFo1->TextChar()); };
  FiFo2 = loader.Add<TFiFo>("FiFo2");
  FiFo2->SetBounds(8, 50, 410, 30);
  FiFo2->SetReadOnly(true);
  FiFo2->SetHint("Tastatur Empfang|Empfang aus dem oberen Editfeld. Laufschrift");
  CloseBtn = AddCloser(loader, 318, 92, 100, 27);
  loader.Finish();
  SetActiveControl(FiFo1);
}
