#include "library/controls/comports/commconfig.h"

#include <cstring>
#include <vector>

#include "library/controls/comports/commconfigform.h"
#include "platform/base/strings.h"
#include "platform/base/sysutils.h"
#include "platform/forms/dialoghook.h"
#include "platform/forms/msgbox.h"

namespace {

const char kParities[] = "NOEMS";

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

}  // namespace

std::string CommSettingsText(const DCB& Dcb) {
  static const char* const kStops[] = {"1", "1.5", "2"};
  const char parity = Dcb.Parity <= SPACEPARITY ? kParities[Dcb.Parity] : '?';
  const char* stop = Dcb.StopBits <= TWOSTOPBITS ? kStops[Dcb.StopBits] : "?";
  return IntToStr(Dcb.BaudRate) + "," + IntToStr(Dcb.ByteSize) + "," + std::string(1, parity) +
         "," + stop + "," + (Dcb.fOutX || Dcb.fInX ? "X" : "-");
}

bool ParseCommSettings(const std::string& Text, DCB& Dcb) {
  const std::vector<std::string> f = Split(Text, ',');
  if (f.size() != 5) return false;
  int32_t baud, bits;
  if (!TryStrToInt(f[0], baud) || !BaudRateTaken(baud) || !TryStrToInt(f[1], bits) || bits < 5 ||
      bits > 8) {
    return false;
  }
  if (f[2].size() != 1) return false;
  const char* parity = std::strchr(kParities, UpCase(f[2][0]));
  if (!parity || !*parity) return false;
  uint8_t stop;
  if (f[3] == "1") {
    stop = ONESTOPBIT;
  } else if (f[3] == "1.5") {
    stop = ONE5STOPBITS;
  } else if (f[3] == "2") {
    stop = TWOSTOPBITS;
  } else {
    return false;
  }
  if (f[4] != "X" && f[4] != "-") return false;
  Dcb.BaudRate = static_cast<uint32_t>(baud);
  Dcb.ByteSize = static_cast<uint8_t>(bits);
  Dcb.Parity = static_cast<uint8_t>(parity - kParities);
  Dcb.StopBits = stop;
  Dcb.fOutX = Dcb.fInX = f[4] == "X";
  return true;
}

bool CommConfigDialog(const std::string& Name, HWND Parent, DCB& Dcb) {
  (void)Parent;
  if (DialogHookSet()) {
    TDialogRequest request;
    request.Kind = "TCommConfigDialog";
    request.Caption = Name;
    request.Text = CommSettingsText(Dcb);
    request.Buttons = {mrOk, mrCancel};
    const TDialogAnswer answer = AskDialogHook(request);
    return answer.Result == mrOk && ParseCommSettings(answer.Text, Dcb);
  }
  TCommConfigForm form(nullptr, Name);
  form.ShowSettings(Dcb);
  if (form.ShowModal() != mrOk) return false;
  if (form.TakeSettings(Dcb)) return true;
  MessageBeep(MB_ICONHAND);  // a rate that is no number or out of range
  return false;
}
