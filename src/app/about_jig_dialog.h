// The about-this-jigsaw dialog (TAboutJigDlg), run by "About this &Jigsaw...": the
// puzzle's title, creator, creation and size, the player's progress and the
// description in a read-only memo with its Copy / Edit / Select All pop-up; the skin
// tiled behind.
#pragma once
#include "app/dialog_support.h"
#include "game/progress.h"

class QMenu;
class QPlainTextEdit;

namespace quill {

class QtHost;

class AboutJigDialog : public SkinnedDialog {
  Q_OBJECT
 public:
  AboutJigDialog(const AboutDialogTexts& texts, const Bitmap* skin, QWidget* parent = nullptr);

  // The description memo's pop-up menu ABoutJigPopup.
  QMenu& Popup() const { return *popup_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildInformation(const AboutDialogTexts& texts);
  QWidget* BuildDescription(const AboutDialogTexts& texts);
  void BuildPopup();
  void FollowSchemeInMemo();

  QPlainTextEdit* memo_ = nullptr;
  QMenu* popup_ = nullptr;
};

// Shows the dialog modally through the host with the texts of `puzzle` and the
// gift's own title, creator and description; frees it after.
void ShowAboutJigDialog(QtHost& host, QWidget* parent, const TPuzzleRecord& puzzle, const GiftTexts& gift);

}  // namespace quill
