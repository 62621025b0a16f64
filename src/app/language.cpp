#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>
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
  const bool english = NamesEnglish(giftLanguage);
  const std::string fixed = english ? std::string() : LanguageOfLocale(giftLanguage);
  const std::string language = english || !fixed.empty() ? fixed : InterfaceLanguageFromEnvironment();
  if (language != CurrentLanguage()) InstallTranslations(language);
}

const std::string& CurrentLanguage() { return Installed(); }

}  // namespace quill
