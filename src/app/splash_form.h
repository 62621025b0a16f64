// The splash form: the loading screen, the "Play..." screen and the exit screen.
// A borderless black window with the product name, the gift text, the sender's
// message in Memo1, the web site buttons and OkBtn with the SaveResumeBox check box,
// all built from the splash UiState and kept in step with it. The main window
// creates it at start and a fresh one at closing (Part of the start and stop
// sequences in main_window).
#pragma once
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QTextEdit>
#include <QToolButton>
#include <map>
#include <string>

#include "app/state_mirror.h"
#include "raster/bitmap.h"

namespace quill {

class GlyphButton;
class QtHost;

class SplashForm : public QDialog {
  Q_OBJECT
 public:
  // Binds to the host's current splash state; not shown until asked.
  explicit SplashForm(QtHost& host, QWidget* parent = nullptr);

  UiState& State() { return mirror_.State(); }
  // Whether the form stays in front of other windows (the loading screen does).
  void SetStayOnTop(bool onTop);
  // Tiles the skin picture over Panel1; nullptr for the plain look.
  void ApplySkin(const Bitmap* skin);
  // OkBtn takes the caption and glyph of the hidden ExitBtn ("Exit...").
  void BorrowExitButton();

  // The widget of a component, for tests and the main window.
  QWidget* Component(const std::string& name) const;

 signals:
  // The window system has shown the form, painted.
  void OnScreen();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildComponents();
  QWidget* CreateWidget(const std::string& name, QWidget* parent);
  void WatchGeometry(const std::string& name, QWidget* widget);
  void WatchLabel(const std::string& name, QLabel* label);
  void WatchMemo(QTextEdit* memo);
  void WatchOkButton(GlyphButton* button);
  void PlaceComponent(const std::string& name);
  int BottomShift(const std::string& name);
  void OpenLink(const std::string& address);

  QtHost& host_;
  StateMirror mirror_;
  UiState design_;  // the form as designed, before anything changed it
  std::map<std::string, QWidget*> widgets_;
  QIcon okGlyph_;
};

}  // namespace quill
