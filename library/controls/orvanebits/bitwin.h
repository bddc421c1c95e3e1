#pragma once
// The pop-up information window. TBitWin (a non-visual component) gives its Parent control a small
// window that opens next to the mouse cursor when the cursor has rested over that control for
// ShowDelay milliseconds, and disappears when the cursor moves or leaves the control, or on a
// click or key. The text is Info, or what the OnShow handler supplies at the moment of showing;
// without an OnShow handler that sets bwShow the window never opens. "^M" and CR LF break lines.
//
// TCustomBitWin is the window itself. It watches the cursor from an idle handler and hides on
// input from a message handler, both registered with the application once its parent is known
// (a posted WM_USER, so after the form has loaded) and removed by its destructor.

#include <functional>
#include <memory>
#include <string>

#include "platform/forms/application.h"
#include "platform/forms/controls.h"

class TTimer;

enum TbsOriginH { bwhLeft, bwhCenter, bwhRight };
enum TbsOriginV { bwvTop, bwvCenter, bwvBottom };

// sMousePos: the resting cursor in the parent's client pixels (the window opens there);
// bwInfo: the text to show; bwShow: False on entry, True opens the window.
using TBitWinEvent =
    std::function<void(TObject* Sender, TPoint& sMousePos, std::string& bwInfo, bool& bwShow)>;

class TCustomBitWin : public TCustomControl {
 public:
  explicit TCustomBitWin(TComponent* AOwner);
  // Removes the application hooks it registered.
  ~TCustomBitWin() override;

  TbsOriginH OriginHor() const { return FOriginHor; }
  void SetOriginHor(TbsOriginH Value);
  TbsOriginV OriginVert() const { return FOriginVert; }
  void SetOriginVert(TbsOriginV Value);
  // A change places, sizes and paints the window at once; "^M" pairs are turned into CR LF.
  const std::string& Info() const { return FInfo; }
  void SetInfo(const std::string& Value);
  // Milliseconds, 60..10000; used the next time the delay starts.
  int ShowDelay() const { return FShowDelay; }
  void SetShowDelay(int Value);
  // True stops all tracking and hides the window.
  bool Hide() const { return FHide; }
  void SetHide(bool Value);
  // Offsets of the window from the cursor: x -50..50 (positive to the right), y -20..20
  // (positive upward).
  int OffSetX() const { return FOffSetX; }
  void SetOffSetX(int Value);
  int OffSetY() const { return FOffSetY; }
  void SetOffSetY(int Value);

  // Takes the font for the text and measures it; the window becomes one line high.
  void SetFontMetrics(const TFont* AFont);

  // The application's idle pass: follows the cursor, times the rest and opens the window.
  void BitWinIdleHook(TObject* Sender, bool& Done);
  // Every message the application takes from its queue: clicks and keys close the window.
  void BitWinMessageHook(TMsg& Msg, bool& Handled);
  // The delay timer's event.
  void DelayTick(TObject* Sender);

  TBitWinEvent OnShow;
  TNotifyEvent OnHide;

  void WndProc(TMessage& Message) override;

 protected:
  void Paint() override;

 private:
  void InstallHooks();
  void MeasureFont(int Slack);
  // Breaks Info into lines, sizes the window to them and places it at the anchor.
  void Place();
  void StopDelay();
  void CloseWindow();

  TbsOriginH FOriginHor = bwhLeft;
  TbsOriginV FOriginVert = bwvTop;
  std::string FInfo;
  int FShowDelay = 2000;
  bool FHide = false;
  int FOffSetX = 0;
  int FOffSetY = 0;
  int FIdleKey = 0;
  int FMessageKey = 0;
  TTimer* FDelayTimer;
  TPoint FLastPos{-1, -1};
  TPoint FAnchor;
  int FLineHeight = 0;
  int FAveCharWidth = 0;
  bool FDelayElapsed = false;
  bool FArmed = false;
};

class TBitWin : public TComponent {
 public:
  explicit TBitWin(TComponent* AOwner);
  ~TBitWin() override;

  TWinControl* Parent() const { return FParent; }
  void SetParent(TWinControl* Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  const std::string& Info() const { return FInfo; }
  void SetInfo(const std::string& Value);
  // Stored as given; the window keeps it within 60..10000 ms.
  int ShowDelay() const { return FShowDelay; }
  void SetShowDelay(int Value);
  bool Hide() const;
  void SetHide(bool Value);
  int OffSetX() const { return FOffSetX; }
  void SetOffSetX(int Value);
  int OffSetY() const { return FOffSetY; }
  void SetOffSetY(int Value);
  TbsOriginH OriginHor() const { return FOriginHor; }
  void SetOriginHor(TbsOriginH Value);
  TbsOriginV OriginVert() const { return FOriginVert; }
  void SetOriginVert(TbsOriginV Value);

  // The window (the sender of both events), nullptr once its parent control has freed it.
  TCustomBitWin* Window() const;

  TBitWinEvent OnShow;
  TNotifyEvent OnHide;

 private:
  TCustomBitWin* FWindow;
  TWinControl* FParent = nullptr;
  std::string FInfo = "Hallo";
  int FOffSetX = 0;
  int FOffSetY = 0;
  bool FHide = false;
  int FShowDelay = 2000;
  TColor FColor = 0x80FFFF;
  std::unique_ptr<TFont> FFont;
  TbsOriginH FOriginHor = bwhLeft;
  TbsOriginV FOriginVert = bwvTop;
  bool FParentAssigned = false;
};
