#pragma once
// Enumerations and fixed-length strings that the library's components publish.

#include <cstddef>
#include <string>
#include <string_view>

enum TTextStyle { ttCenter, ttLeft, ttRight };
enum TLedShape { ledCircle, ledRectangle };
enum TmShapeType { smtRectangle, smtRoundrect };
enum TShapeTypeT { sstRectangle, sstSquare, sstRoundrect, sstRoundSquare, sstCircle };
enum class TMeterStyle { simpleMeter, BarGraph, LedBar };
enum TTastStyle { tsNone, tsPush, tsPushPull };
enum TBtnMode { tbmPush, tbmPushPull, tbmLocked };
enum TCheckMode { lcNone, lcButton, lcCheckBox, lcRadioBtn };
enum TOrientation { orVertical, orHorizontal };
enum TOrientType { orTop, orBottom, orLeft, orRight };
enum class TPictStyle { oneRow, twoRow, threeRow, Picture };
enum TCaptType { ctNone, ctBevel, ctLed };
enum TPeakPtrMode { ppNone, ppPeak, ppDrag };
enum TArrBtnShape { taArrow, taCircle, taSquare };

// A string of at most N characters; a longer value is cut to N characters on assignment.
template <size_t N>
class TShortString {
 public:
  TShortString() = default;
  TShortString(std::string_view s) : FS(s.substr(0, N)) {}
  TShortString(const std::string& s) : TShortString(std::string_view(s)) {}
  TShortString(const char* s) : TShortString(std::string_view(s)) {}

  const std::string& str() const { return FS; }
  operator const std::string&() const { return FS; }
  size_t size() const { return FS.size(); }
  bool empty() const { return FS.empty(); }
  char operator[](size_t i) const { return FS[i]; }
  bool operator==(const TShortString&) const = default;
  bool operator==(std::string_view s) const { return FS == s; }

 private:
  std::string FS;
};

using string10 = TShortString<10>;
using string20 = TShortString<20>;
using string32 = TShortString<32>;

// The maker word some components write in small grey letters on their face.
inline const std::string kMakerMark = "vtro";
