#include "programs/logic/scan.h"

#include <chrono>
#include <filesystem>
#include <random>

#include "platform/base/paths.h"
#include "platform/base/regularfile.h"
#include "platform/base/strings.h"
#include "programs/logic/logmain.h"

TBufferFill* BufferFill = nullptr;

namespace {

int BytesPerSample(TLogSize Size) {
  switch (Size) {
    case TLogSize::Size8:
      return 1;
    case TLogSize::Size16:
      return 2;
    case TLogSize::Size32:
      return 4;
  }
  return 4;
}

}  // namespace

int32_t FillSamplesFromBytes(TLogic& Display, const std::string& Bytes) {
  const int k = BytesPerSample(Display.LogSize());
  const int32_t count = Display.BufferCount();
  int32_t i = 0;
  uint32_t accumulator = 0;
  size_t pos = 0;
  for (; pos < Bytes.size() && i < count; ++pos) {
    accumulator = accumulator << 8 | static_cast<unsigned char>(Bytes[pos]);
    if ((pos + 1) % k == 0) Display.WriteSample(i++, accumulator);
  }
  const int32_t filled = i;
  // No sample keeps what an earlier fill left there.
  for (; i < count; ++i) Display.WriteSample(i, 0);
  return filled;
}

int32_t FillSamplesFromFile(TLogic& Display, const std::string& FileName) {
  const size_t used = size_t(Display.BufferCount()) * BytesPerSample(Display.LogSize());
  return FillSamplesFromBytes(Display, TRegularFile(FileName).Read(used));
}

TBufferFill::TBufferFill(TComponent* AOwner, TLogic* Target) : TForm(AOwner), FDisplay(Target) {
  TFormLoader loader(this);
  SetName("BufferFill");
  SetCaption("Data simulate");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientWidth(250);
  SetClientHeight(206);
  const struct {
    TButton** field;
    const char* name;
    const char* caption;
  } buttons[] = {
      {&FileLoad, "FileLoad", "read file"}, {&RandomBtn, "RandomBtn", "fill random"},
      {&SaveBtn, "SaveBtn", "save Buffer"}, {&RestoreBtn, "RestoreBtn", "restore Buffer"},
      {&CancelBtn, "CancelBtn", "Cancel"},
  };
  int top = 10;
  for (const auto& b : buttons) {
    *b.field = loader.Add<TButton>(b.name);
    (*b.field)->SetBounds(45, top, 160, 30);
    (*b.field)->SetCaption(b.caption);
    top += 38;
  }
  CancelBtn->SetModalResult(mrCancel);
  CancelBtn->SetCancel(true);
  FileLoad->OnClick = [this](TObject* s) { FileLoadClick(s); };
  RandomBtn->OnClick = [this](TObject* s) { RandomBtnClick(s); };
  SaveBtn->OnClick = [this](TObject* s) { SaveBtnClick(s); };
  RestoreBtn->OnClick = [this](TObject* s) { RestoreBtnClick(s); };

  OpenDialog1 = loader.AddComponent<TOpenDialog>("OpenDialog1");
  OpenDialog1->SetTitle("Restore Buffer from file");
  OpenDialog1->SetFilter("alle|*.*|logic|*.psr");
  OpenDialog1->SetDefaultExt("psr");
  OpenDialog1->SetOptions({ofHideReadOnly, ofFileMustExist});
  SaveDialog1 = loader.AddComponent<TSaveDialog>("SaveDialog1");
  SaveDialog1->SetTitle("Save Buffer to file");
  SaveDialog1->SetFilter("logic|*.psr");
  SaveDialog1->SetDefaultExt("psr");
  loader.Finish();
}

void TBufferFill::CloseFirst() {
  if (Visible()) Close();
  Application->ProcessMessages();
}

void TBufferFill::NameInCaption(const std::string& Text) {
  if (LogAna != nullptr) LogAna->ShowFileInCaption(Text);
}

void TBufferFill::FileLoadClick(TObject*) {
  OpenDialog1->SetFilterIndex(1);
  if (!OpenDialog1->Execute()) return;
  CloseFirst();
  const std::string name = OpenDialog1->FileName();
  FillSamplesFromFile(*FDisplay, name);
  NameInCaption(name);
  FDisplay->RefreshDisplay();
}

void TBufferFill::RandomBtnClick(TObject*) {
  // Each sample uniform over all 32 bits, so every channel is high half of the time.
  std::mt19937 rng(
      static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  for (int32_t i = 0; i < FDisplay->BufferCount(); ++i) FDisplay->WriteSample(i, rng());
  if (LogAna != nullptr) LogAna->SetCaption(std::string(kLogicCaption) + " [random]");
  CloseFirst();
  FDisplay->RefreshDisplay();
}

void TBufferFill::SaveBtnClick(TObject*) {
  if (!SaveDialog1->Execute()) return;
  const std::string name = SaveDialog1->FileName();
  std::error_code ec;
  if (std::filesystem::exists(name, ec) &&
      MessageDlg(PathToText(name) + Utf8ToCp1252(" existiert bereits.\nÜberschreiben?"),
                 mtConfirmation, {mbYes, mbNo}, 0) != mrYes) {
    return;
  }
  CloseFirst();
  FDisplay->SaveToFile(name);
  NameInCaption(name);
}

void TBufferFill::RestoreBtnClick(TObject*) {
  OpenDialog1->SetFilterIndex(2);
  if (!OpenDialog1->Execute()) return;
  CloseFirst();
  const std::string name = OpenDialog1->FileName();
  // A refused file leaves the buffer as it was, and so the caption.
  if (FDisplay->LoadFromFile(name)) NameInCaption(name);
}
