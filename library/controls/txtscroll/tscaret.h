#pragma once
// The text viewer's caret: a shared description of its look, and the one window caret of a
// control that follows it (created with the focus, destroyed when the focus goes).

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/base/object.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/geometry.h"

enum TtsCaretShape { csBlock, csHalfBlock, csVertLine, csHorzLine, csCustom, csBitmap };
enum TtsCaretAlign { caLeft, caTop, caRight, caBottom, caCenter };

// What the caret looks like. Shared between owners through std::shared_ptr; one owner at a time
// listens to its changes.
class TtsCaret : public TObject {
 public:
  TtsCaret();

  TtsCaretAlign Align() const { return FAlign; }
  void SetAlign(TtsCaretAlign Value);
  TBitmap* Bitmap() { return &FBitmap; }
  const TBitmap* Bitmap() const { return &FBitmap; }
  // Copies the image; nullptr is ignored.
  void SetBitmap(const TBitmap* Value);
  int BitmapHotSpotX() const { return FBitmapHotSpotX; }
  void SetBitmapHotSpotX(int Value);
  int BitmapHotSpotY() const { return FBitmapHotSpotY; }
  void SetBitmapHotSpotY(int Value);
  // Milliseconds per blink phase while the caret exists; 0 keeps the system's.
  uint16_t BlinkTime() const { return FBlinkTime; }
  void SetBlinkTime(uint16_t Value);
  // Values below 1 are ignored.
  int CaretHeight() const { return FCaretHeight; }
  void SetCaretHeight(int Value);
  int CaretWidth() const { return FCaretWidth; }
  void SetCaretWidth(int Value);
  bool IsGray() const { return FIsGray; }
  void SetIsGray(bool Value);
  TtsCaretShape Shape() const { return FShape; }
  void SetShape(TtsCaretShape Value);

  // The one listener; Disconnect only removes it when it is still the given owner's.
  void Connect(const void* Owner, std::function<void()> OnChange);
  void Disconnect(const void* Owner);

 private:
  void Notify();

  TtsCaretAlign FAlign = caLeft;
  TBitmap FBitmap;
  int FBitmapHotSpotX = 0;
  int FBitmapHotSpotY = 0;
  uint16_t FBlinkTime = 0;
  int FCaretHeight = 10;
  int FCaretWidth = 2;
  bool FIsGray = false;
  TtsCaretShape FShape = csVertLine;
  const void* FListener = nullptr;
  std::function<void()> FOnChange;
};

class TWinControl;

// The window caret of one control. Window gives the control while its window exists, else
// nullptr.
// It sets the system blink time while the caret exists and puts the earlier one back after.
class TtsSingleCaret : public TObject {
 public:
  explicit TtsSingleCaret(std::function<TWinControl*()> Window);
  ~TtsSingleCaret() override;
  TtsSingleCaret(const TtsSingleCaret&) = delete;
  TtsSingleCaret& operator=(const TtsSingleCaret&) = delete;

  const std::shared_ptr<TtsCaret>& Caret() const { return FCaret; }
  // A different description replaces the old one; nullptr is ignored.
  void SetCaret(std::shared_ptr<TtsCaret> Value);
  int CellHeight() const { return FCellHeight; }
  void SetCellHeight(int Value);
  int CellWidth() const { return FCellWidth; }
  void SetCellWidth(int Value);
  bool Created() const { return FCreated; }
  void SetCreated(bool Value);
  // The cell's top-left; a negative coordinate puts the caret off screen.
  TPoint Position() const { return FPosition; }
  void SetPosition(TPoint P);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // Where the caret lies inside its cell.
  TPoint Offset() const { return {FDX, FDY}; }
  // Re-creates the window caret after the description changed.
  void CaretTypeHasChanged();

 private:
  void ComputeOffset();
  void ApplyPosition();
  TWinControl* OwnedWindow() const;

  std::shared_ptr<TtsCaret> FCaret;
  int FCellHeight = 10;
  bool FCreated = false;
  TPoint FPosition;
  bool FVisible = false;
  int FCellWidth = 10;
  uint16_t FSavedBlinkTime = 0;
  TWinControl* FWnd = nullptr;  // the control the caret was created on
  std::function<TWinControl*()> FWindow;
  int FDX = 0;
  int FDY = 0;
};
