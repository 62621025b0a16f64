#include "app/qt_host.h"

#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <iostream>

#include "app/qt_colours.h"
#include "ui/form_layouts.h"

namespace quill {
namespace {

QMessageBox::Icon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Plain: return QMessageBox::NoIcon;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QtHost::QtHost() : splashForm_(std::make_unique<UiState>()) {
  DefineMainForm(mainForm_);
  DefineSplashForm(*splashForm_);
}

QtHost::~QtHost() = default;

UiState& QtHost::NewSplashForm() {
  splashForm_ = std::make_unique<UiState>();
  DefineSplashForm(*splashForm_);
  return *splashForm_;
}

void QtHost::ShowMessage(const std::string& text, MessageKind kind) {
  std::cerr << text << std::endl;
  if (quiet_) return;
  QMessageBox box(IconOf(kind), QGuiApplication::applicationDisplayName(), ToQString(text), QMessageBox::Ok,
                  dialogParent_);
  // In front of the splash form, which stays on top while the gift loads.
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
}

bool QtHost::AskYesNo(const std::string& question) {
  if (quiet_) return false;
  QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(), ToQString(question),
                  QMessageBox::Yes | QMessageBox::No, dialogParent_);
  box.setEscapeButton(QMessageBox::No);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  return box.exec() == QMessageBox::Yes;
}

Colour QtHost::SystemColour(int index) { return FromQColor(SystemQColor(index)); }

std::string QtHost::TempDirectory() {
  QString path = QDir::tempPath();
  if (path.isEmpty()) return "";
  if (!path.endsWith('/')) path += '/';
  return path.toStdString();
}

int QtHost::ScreenColourDepth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->depth() : 24;
}

void QtHost::SetSkin(std::unique_ptr<Bitmap> picture, int toolbarHeight) {
  // The skin itself arrives later; until then the picture is kept for the panels
  // that tile it.
  skin_ = std::move(picture);
  skinToolbarHeight_ = toolbarHeight;
}

int QtHost::RunModal(QDialog& dialog) {
  if (quiet_) return QDialog::Rejected;
  return dialog.exec();
}

}  // namespace quill
