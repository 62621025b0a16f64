#include "game/jigsaw.h"

namespace quill {

TJigsaw::TJigsaw(Host& host, std::string programPath)
    : TMove(host, host.MainForm()), host_(host), FProgramPath(std::move(programPath)) {
  UiState& menus = host_.MainForm();
  menus.SetEnabled("RotateRight", Config().Rotating);
  menus.SetEnabled("RotateLeft", Config().Rotating);
  menus.SetDown("SpeedSound", Config().Sound);
}

TJigsaw::~TJigsaw() = default;

}  // namespace quill
