#include "game/jigsaw.h"

#include "game/cut_ahead.h"

namespace quill {

TJigsaw::TJigsaw(Host& host, std::string programPath)
    : TMove(host, host.MainForm()), host_(host), FProgramPath(std::move(programPath)) {
  TakeUpOptions();
}

TJigsaw::~TJigsaw() = default;

}  // namespace quill
