#include "common/resources.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "common/errors.h"

namespace quill {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::vector<uint8_t> LoadResourceStream(std::string_view name, std::string_view type) {
  for (const EmbeddedResource& resource : EmbeddedResources())
    if (SameName(resource.Name, name) && SameName(resource.Type, type))
      return {resource.Bytes.begin(), resource.Bytes.end()};
  throw UserError("Can't load resource: " + std::string(name));
}

}  // namespace quill
