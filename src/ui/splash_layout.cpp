#include "ui/form_layouts.h"

namespace quill {

using namespace component;

namespace {

ComponentState Box(const char* parent, int left, int top, int width, int height) {
  ComponentState c;
  c.Parent = parent;
  c.Left = left;
  c.Top = top;
  c.Width = width;
  c.Height = height;
  return c;
}

}  // namespace

void DefineSplashForm(UiState& form) {
  ComponentState self = Box("", 0, 0, kSplashClientWidth, kSplashClientHeight);
  self.Color = kBlack;
  form.Define(kSplashFormName, self);

  form.Define(kPanel1, Box(kSplashFormName, 0, 0, kSplashClientWidth, kSplashClientHeight));

  ComponentState product = Box(kPanel1, 14, 10, 400, 40);
  product.Caption = "Quillmere Gift";
  product.Font = FontState{0x0000FF, -33, 0, kFontBold | kFontItalic, "Times New Roman"};
  product.Alignment = TextAlignment::Centre;
  form.Define(kProduct, product);
  ComponentState shadow = product;
  shadow.Left += 2;
  shadow.Top += 2;
  shadow.Font.Color = 0x808080;
  form.Define(kProductShad, shadow);

  ComponentState copyrite = Box(kPanel1, 12, 54, 410, 16);
  copyrite.Alignment = TextAlignment::Centre;
  form.Define(kCopyrite, copyrite);

  ComponentState panel2 = Box(kPanel1, 12, 74, 410, 82);
  panel2.Tag = -1;
  form.Define(kPanel2, panel2);
  ComponentState giftLab = Box(kPanel2, 6, 4, 398, 74);
  giftLab.Alignment = TextAlignment::Centre;
  form.Define(kGiftLab, giftLab);

  ComponentState memo = Box(kPanel1, 12, 164, 410, 150);
  memo.Color = kWhite;
  form.Define(kMemo1, memo);

  ComponentState panel3 = Box(kPanel1, 12, 322, 410, 38);
  panel3.Tag = -1;
  form.Define(kPanel3, panel3);
  ComponentState webBtn = Box(kPanel3, 4, 3, 270, 32);
  webBtn.Hint = "Connect to our web site now!";
  form.Define(kWebBtn, webBtn);
  ComponentState orderBtn = Box(kPanel3, 280, 3, 126, 32);
  orderBtn.Caption = "Order";
  orderBtn.Hint = "Connect to our Online Store now!";
  form.Define(kOrderBtn, orderBtn);

  ComponentState playPanel = Box(kPanel1, 12, 364, 410, 44);
  playPanel.Tag = -1;
  form.Define(kPlayPanel, playPanel);
  ComponentState okBtn = Box(kPlayPanel, 130, 3, 150, 38);
  okBtn.Caption = "Play...";
  okBtn.Hint = "Play the jigsaw";
  form.Define(kOkBtn, okBtn);
  ComponentState saveResume = Box(kPlayPanel, 130, 28, 150, 14);
  saveResume.Checked = true;
  saveResume.Visible = false;
  form.Define(kSaveResumeBox, saveResume);

  ComponentState exitBtn = Box(kPanel1, 0, 0, 150, 38);
  exitBtn.Caption = "Exit...";
  exitBtn.Visible = false;
  form.Define(kExitBtn, exitBtn);
}

}  // namespace quill
