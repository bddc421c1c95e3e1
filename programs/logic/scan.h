#pragma once
// The data-fill dialog: samples from any file (its bytes packed big-endian) or at random, and
// saving and restoring the logic data file.

#include <string>

#include "platform/forms/forms.h"
#include "platform/forms/stdctrls/dialogs.h"
#include "platform/forms/stdctrls/stdctrls.h"
#include "programs/logic/logic.h"

// The samples from the bytes of any file: each 1, 2 or 4 bytes (by the sample size) make one
// sample, the first byte most significant; bytes left over at the end are dropped, samples
// beyond the file's end become 0. Returns the number of samples filled.
int32_t FillSamplesFromBytes(TLogic& Display, const std::string& Bytes);
// The same from the start of a file, of which no more is read than the samples take.
// EInOutError when it cannot be opened or read, or is not a regular file.
int32_t FillSamplesFromFile(TLogic& Display, const std::string& FileName);

class TBufferFill : public TForm {
 public:
  TBufferFill(TComponent* AOwner, TLogic* Target);

  TButton* FileLoad;
  TButton* RandomBtn;
  TButton* SaveBtn;
  TButton* RestoreBtn;
  TButton* CancelBtn;
  TOpenDialog* OpenDialog1;
  TSaveDialog* SaveDialog1;

  void FileLoadClick(TObject* Sender);
  void RandomBtnClick(TObject* Sender);
  void SaveBtnClick(TObject* Sender);
  void RestoreBtnClick(TObject* Sender);

 private:
  // Closes the dialog and lets what is waiting be handled, before a file is worked on.
  void CloseFirst();
  // The caption of the main form naming the file, where there is a main form.
  void NameInCaption(const std::string& Text);
  TLogic* FDisplay;
};

extern TBufferFill* BufferFill;
