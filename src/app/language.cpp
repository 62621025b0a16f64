#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "common/translate.h"

namespace quill {
namespace {

// Resource folder of the compiled catalogues.
constexpr const char* kCatalogueFolder = ":/translations";

std::string& Installed() {
  static std::string language;
  return language;
}

bool IsCLocale(std::string_view locale) {
  return locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
}

// The catalogue translators, kept for the program's life so they can be replaced.
std::unique_ptr<QTranslator>& OwnCatalogue() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}
std::unique_ptr<QTranslator>& QtCatalogue() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

void Replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> translator) {
  if (slot) QCoreApplication::removeTranslator(slot.get());
  slot = std::move(translator);
  if (slot) QCoreApplication::installTranslator(slot.get());
}

std::unique_ptr<QTranslator> LoadCatalogue(const QString& name, std::initializer_list<QString> folders) {
  for (const QString& folder : folders) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(name, folder)) return translator;
  }
  return nullptr;
}

std::string TranslateForCore(const char* context, const char* text, const char* comment, int count) {
  return QCoreApplication::translate(context, text, comment, count).toStdString();
}

}  // namespace

std::string LanguageOfLocale(std::string_view locale) {
  const size_t end = locale.find_first_of(".@");
  const std::string_view name = locale.substr(0, end);
  const std::string_view language = name.substr(0, name.find_first_of("_-"));
  if (language == "pt") return "pt_BR";
  const auto found = std::find(kInterfaceLanguages.begin(), kInterfaceLanguages.end(), language);
  return found == kInterfaceLanguages.end() ? std::string() : std::string(*found);
}

std::string InterfaceLanguage(const std::function<std::string(const char* name)>& variable) {
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    locale = variable(name);
    if (!locale.empty()) break;
  }
  if (IsCLocale(locale)) return {};
  const std::string list = variable("LANGUAGE");
  if (list.empty()) return LanguageOfLocale(locale);
  for (size_t start = 0; start <= list.size();) {
    const size_t end = std::min(list.find(':', start), list.size());
    if (std::string language = LanguageOfLocale(std::string_view(list).substr(start, end - start)); !language.empty())
      return language;
    start = end + 1;
  }
  return {};
}

std::string InterfaceLanguageFromEnvironment() {
  return InterfaceLanguage([](const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
  });
}

void InstallTranslations(const std::string& language) {
  Installed() = language;
  if (language.empty()) {
    Replace(OwnCatalogue(), nullptr);
    Replace(QtCatalogue(), nullptr);
    SetTranslator({});
    return;
  }
  const QString suffix = QString::fromStdString(language);
  Replace(OwnCatalogue(), LoadCatalogue("quillmere_" + suffix, {kCatalogueFolder}));
  Replace(QtCatalogue(), LoadCatalogue("qtbase_" + suffix, {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                                            kCatalogueFolder}));
  SetTranslator(TranslateForCore);
}

void ChooseLanguage(const std::string& giftLanguage) {
  const bool english = giftLanguage == "en" || giftLanguage.rfind("en_", 0) == 0 || giftLanguage.rfind("en-", 0) == 0;
  const std::string fixed = english ? std::string() : LanguageOfLocale(giftLanguage);
  const std::string language = english || !fixed.empty() ? fixed : InterfaceLanguageFromEnvironment();
  if (language != CurrentLanguage()) InstallTranslations(language);
}

const std::string& CurrentLanguage() { return Installed(); }

}  // namespace quill
