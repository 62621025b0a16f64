#include "game/jigsaw.h"

namespace quill {

TJigsaw::TJigsaw(Host& host, std::string programPath)
    : host_(host), config_(std::make_unique<TJigConfig>(host.MainForm())), FProgramPath(std::move(programPath)) {
  JigConfig = config_.get();
  UiState& menus = host_.MainForm();
  menus.SetEnabled("RotateRight", config_->Rotating);
  menus.SetEnabled("RotateLeft", config_->Rotating);
  menus.SetDown("SpeedSound", config_->Sound);
}

TJigsaw::~TJigsaw() {
  if (JigConfig == config_.get()) JigConfig = nullptr;
}

}  // namespace quill
