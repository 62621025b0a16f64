// Errors that stop an operation carry the text the user is shown; the shell puts
// it in a message box and on standard error.
#pragma once
#include <stdexcept>
#include <string>

namespace quill {

class UserError : public std::runtime_error {
 public:
  explicit UserError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace quill
