#include "ui/form_layouts.h"

namespace quill {
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

  form.Define(component::kPanel1, Box(kSplashFormName, 0, 0, kSplashClientWidth, kSplashClientHeight));

  ComponentState product = Box(component::kPanel1, 14, 10, 400, 40);
  product.Caption = "Quillmere Gift";
  product.Font = FontState{0x0000FF, -33, 0, kFontBold | kFontItalic, "Times New Roman"};
  product.Alignment = TextAlignment::Centre;
  form.Define(component::kProduct, product);
  ComponentState shadow = product;
  shadow.Left += 2;
  shadow.Top += 2;
  shadow.Font.Color = 0x808080;
  form.Define(component::kProductShad, shadow);

  ComponentState copyrite = Box(component::kPanel1, 12, 54, 410, 16);
  copyrite.Alignment = TextAlignment::Centre;
  form.Define(component::kCopyrite, copyrite);

  ComponentState panel2 = Box(component::kPanel1, 12, 74, 410, 82);
  panel2.Tag = -1;
  form.Define(component::kPanel2, panel2);
  ComponentState giftLab = Box(component::kPanel2, 6, 4, 398, 74);
  giftLab.Alignment = TextAlignment::Centre;
  form.Define(component::kGiftLab, giftLab);

  ComponentState memo = Box(component::kPanel1, 12, 164, 410, 150);
  memo.Color = kWhite;
  form.Define(component::kMemo1, memo);

  ComponentState panel3 = Box(component::kPanel1, 12, 322, 410, 38);
  panel3.Tag = -1;
  form.Define(component::kPanel3, panel3);
  ComponentState webBtn = Box(component::kPanel3, 4, 3, 270, 32);
  webBtn.Hint = "Connect to our web site now!";
  form.Define(component::kWebBtn, webBtn);
  ComponentState orderBtn = Box(component::kPanel3, 280, 3, 126, 32);
  orderBtn.Caption = "Order";
  orderBtn.Hint = "Connect to our Online Store now!";
  form.Define(component::kOrderBtn, orderBtn);

  ComponentState playPanel = Box(component::kPanel1, 12, 364, 410, 44);
  playPanel.Tag = -1;
  form.Define(component::kPlayPanel, playPanel);
  ComponentState okBtn = Box(component::kPlayPanel, 130, 3, 150, 38);
  okBtn.Caption = "Play...";
  okBtn.Hint = "Play the jigsaw";
  form.Define(component::kOkBtn, okBtn);
  ComponentState saveResume = Box(component::kPlayPanel, 130, 28, 150, 14);
  saveResume.Checked = true;
  saveResume.Visible = false;
  form.Define(component::kSaveResumeBox, saveResume);

  ComponentState exitBtn = Box(component::kPanel1, 0, 0, 150, 38);
  exitBtn.Caption = "Exit...";
  exitBtn.Visible = false;
  form.Define(component::kExitBtn, exitBtn);
}

}  // namespace quill
