#include "library/controls/comports/commconfigform.h"

#include <gtest/gtest.h>

#include "platform/forms/stdctrls/stdctrls.h"
#include "platform/forms/testing/formtest.h"
#include "platform/forms/timer.h"

namespace {

class CommConfigFormTest : public FormTest {};

TEST_F(CommConfigFormTest, ChoicesShowAndTakeTheSettings) {
  TCommConfigForm dialog(nullptr, "COM1");
  EXPECT_EQ(dialog.Caption(), "COM1 Properties");
  DCB dcb;
  dcb.BaudRate = 19200;
  dcb.ByteSize = 7;
  dcb.Parity = EVENPARITY;
  dcb.StopBits = ONESTOPBIT;
  dcb.fOutX = dcb.fInX = 1;
  dialog.ShowSettings(dcb);
  EXPECT_EQ(dialog.BaudBox->Text(), "19200");
  EXPECT_EQ(dialog.DataBitsBox->Text(), "7");
  EXPECT_EQ(dialog.ParityBox->Text(), "Even");
  EXPECT_EQ(dialog.StopBitsBox->Text(), "1");
  EXPECT_EQ(dialog.FlowBox->Text(), "Xon / Xoff");

  dialog.BaudBox->SetText("115000");  // typed: the highest rate the component takes
  dialog.DataBitsBox->SetItemIndex(3);
  dialog.ParityBox->SetItemIndex(0);
  dialog.StopBitsBox->SetItemIndex(2);
  dialog.FlowBox->SetItemIndex(0);
  DCB taken;
  ASSERT_TRUE(dialog.TakeSettings(taken));
  EXPECT_EQ(taken.BaudRate, 115000u);
  EXPECT_EQ(taken.ByteSize, 8);
  EXPECT_EQ(taken.Parity, NOPARITY);
  EXPECT_EQ(taken.StopBits, TWOSTOPBITS);
  EXPECT_FALSE(taken.fOutX || taken.fInX);
  EXPECT_EQ(taken.XonLim, DCB{}.XonLim);  // the rest stays

  for (const char* bad : {"fast", "", "-9600", "0", "74", "115001", "115200", "250000"}) {
    dialog.BaudBox->SetText(bad);
    DCB before;
    before.BaudRate = 4800;
    DCB after = before;
    EXPECT_FALSE(dialog.TakeSettings(after)) << bad;
    EXPECT_EQ(after.BaudRate, 4800u) << bad;
  }
}

// The buttons end the modal run with their results; a timer clicks them meanwhile.
TEST_F(CommConfigFormTest, OkAndCancelEndTheModalRun) {
  for (TModalResult want : {mrOk, mrCancel}) {
    TCommConfigForm dialog(nullptr, "Com2");
    TButton* button = want == mrOk ? dialog.OkButton : dialog.CancelButton;
    EXPECT_TRUE(dialog.OkButton->Default());
    EXPECT_TRUE(dialog.CancelButton->Cancel());
    TTimer clicker(nullptr);
    clicker.SetInterval(1);
    clicker.OnTimer = [&](TObject*) {
      clicker.SetEnabled(false);
      button->Click();
    };
    clicker.SetEnabled(true);
    EXPECT_EQ(dialog.ShowModal(), want);
  }
}

}  // namespace
