// The interface's language: chosen from the locale variables as gettext chooses a
// catalogue; the menu bar, plurals and the core's texts in the chosen language; and
// the catalogues themselves: every entry finished, with the source's placeholders,
// hint bars and accelerator, accelerators unique within each menu, and every text
// of the core's tables translated.
#include <gtest/gtest.h>

#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "app/application.h"
#include "app/sounds.h"
#include "common/errors.h"
#include "common/jpeg_decode.h"
#include "common/translate.h"
#include "common/util.h"
#include "core_texts.h"
#include "game/program_file.h"
#include "game/progress.h"
#include "language_support.h"
#include "main_window_fixture.h"

namespace quill::testing {
namespace {

// ---- Choosing the language ---------------------------------------------------------

TEST(LanguageChoice, FollowsTheLocaleVariablesAsGettextDoes) {
  using Variables = std::map<std::string, std::string>;
  const std::pair<Variables, const char*> cases[] = {
      {{}, ""},
      {{{"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LANG", "pl_PL.UTF-8"}}, "pl"},
      {{{"LANG", "C.UTF-8"}}, ""},
      {{{"LANG", "C"}}, ""},
      {{{"LANG", "POSIX"}}, ""},
      {{{"LANG", "en_GB.UTF-8"}}, ""},
      {{{"LANG", "ja_JP.UTF-8"}}, ""},
      {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
      {{{"LANG", "pt_PT.UTF-8"}}, "pt_BR"},
      {{{"LANG", "it_IT@euro"}}, "it"},
      {{{"LANG", "nl_BE.ISO-8859-1"}}, "nl"},
      {{{"LANG", "ru"}}, "ru"},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "fr_FR.UTF-8"}}, "fr"},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "ru_RU.UTF-8"}}, "ru"},
      {{{"LC_MESSAGES", "ru_RU.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}}, "es"},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "C.UTF-8"}}, ""},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "pl:de"}}, "pl"},
      {{{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "ja:de_AT"}}, "de"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "ja"}}, ""},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "::fr"}}, "fr"},
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "pl:de"}}, ""},
      {{{"LANGUAGE", "nl"}}, ""},
      {{{"LANG", "klingon"}}, ""},
  };
  for (const auto& [variables, expected] : cases) {
    std::string described;
    for (const auto& [name, value] : variables) described += name + "=" + value + " ";
    SCOPED_TRACE(described);
    EXPECT_EQ(InterfaceLanguage([&variables](const char* name) {
                auto it = variables.find(name);
                return it == variables.end() ? std::string() : it->second;
              }),
              expected);
  }
}

// A language the gift names applies only when the locale names none.
TEST(LanguageChoice, TheSendersFixedLanguageWinsWhereTheProgramSpeaksIt) {
  TestApplication();
  std::map<std::string, std::optional<std::string>> saved;
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    saved[name] = value ? std::optional<std::string>(value) : std::nullopt;
    ::unsetenv(name);
  }
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"C.UTF-8", "pl_PL", "pl"}, {"C.UTF-8", "", ""}, {"C.UTF-8", "ja", ""},
      {"de_DE.UTF-8", "pl", "pl"},  // the sender's fixed language wins over the locale
      {"de_DE.UTF-8", "", "de"},    // left to the recipient
      {"de_DE.UTF-8", "en", ""},    // fixed to English
      {"de_DE.UTF-8", "ja", "de"},  // a language the program does not speak
      {"C.UTF-8", "pt-BR", "pt_BR"}, {"de_DE.UTF-8", "nl-BE", "nl"},  // written as quillmere-wrap's help writes it
  };
  for (const auto& [locale, gift, expected] : cases) {
    SCOPED_TRACE(::testing::Message() << locale << " " << gift);
    ::setenv("LANG", locale, 1);
    InstallTranslations("");
    ChooseLanguage(gift);
    EXPECT_EQ(CurrentLanguage(), expected);
  }
  InstallTranslations("");
  for (const auto& [name, value] : saved) {
    if (value) ::setenv(name.c_str(), value->c_str(), 1);
    else ::unsetenv(name.c_str());
  }
}

// ---- The interface in a language ---------------------------------------------------

class LanguageWindowTest : public MainWindowTest {};

// The window started under each locale reads its menu bar in the locale's language.
TEST_F(LanguageWindowTest, MenuBarReadsInTheLocalesLanguage) {
  const std::pair<const char*, std::vector<QString>> cases[] = {
      {"C.UTF-8", {"File", "View", "Tools", "Trays", "Options", "Cheat", "Internet", "Help"}},
      {"de_DE.UTF-8", {"Datei", "Ansicht", "Extras", "Ablagen", "Optionen", "Schummeln", "Internet", "Hilfe"}},
      {"pl_PL.UTF-8", {"Plik", "Widok", "Narzędzia", "Tacki", "Opcje", "Oszukiwanie", "Internet", "Pomoc"}},
      {"fr_FR.UTF-8", {"Fichier", "Affichage", "Outils", "Bacs", "Options", "Triche", "Internet", "Aide"}},
      {"es_ES.UTF-8", {"Archivo", "Ver", "Herramientas", "Bandejas", "Opciones", "Trampas", "Internet", "Ayuda"}},
      {"it_IT.UTF-8", {"File", "Visualizza", "Strumenti", "Vassoi", "Opzioni", "Trucchi", "Internet", "Aiuto"}},
      {"pt_BR.UTF-8",
       {"Arquivo", "Exibir", "Ferramentas", "Bandejas", "Opções", "Trapaças", "Internet", "Ajuda"}},
      {"nl_NL.UTF-8", {"Bestand", "Beeld", "Extra", "Bakjes", "Opties", "Valsspelen", "Internet", "Help"}},
      {"ru_RU.UTF-8", {"Файл", "Вид", "Сервис", "Лотки", "Параметры", "Хитрости", "Интернет", "Справка"}},
  };
  for (const auto& [locale, titles] : cases) {
    SCOPED_TRACE(locale);
    const LanguageScope scope(InterfaceLanguage([locale = std::string(locale)](const char* name) {
      return std::string(name) == "LANG" ? locale : std::string();
    }));
    auto window = OpenGift(DefaultGiftHeader());
    std::vector<QString> shown;
    for (const QAction* menu : window->menuBar()->actions())
      if (menu->isVisible()) shown.push_back(QString(menu->text()).remove('&'));
    EXPECT_EQ(shown, titles);
  }
}

TEST_F(LanguageWindowTest, StatusBarAndSplashReadInTheChosenLanguage) {
  const LanguageScope scope("de");
  auto window = OpenGift(DefaultGiftHeader());
  StartPlaying(*window);
  const auto* solved = window->findChild<QLabel*>("SolvedStatus");
  ASSERT_NE(solved, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return solved->text().contains(" von "); })) << solved->text().toStdString();
  EXPECT_TRUE(QRegularExpression("^\\d+ von \\d+ gelegt$").match(solved->text()).hasMatch())
      << solved->text().toStdString();
  EXPECT_EQ(host.SplashForm().Get("OkBtn").Caption, "Play...");  // the state stays English
}

// Polish and Russian have three plural forms; the count is filled into the form the
// catalogue picks for it.
TEST(LanguagePlurals, CountsOfPiecesTakeTheirPluralForm) {
  TestApplication();  // translators are installed into the running application
  const std::tuple<const char*, int, const char*> cases[] = {
      {"", 1, "1 pieces"},           {"", 22, "22 pieces"},
      {"pl", 1, "1 element"},        {"pl", 2, "2 elementy"},       {"pl", 5, "5 elementów"},
      {"pl", 12, "12 elementów"},    {"pl", 22, "22 elementy"},     {"pl", 25, "25 elementów"},
      {"ru", 1, "1 деталь"},         {"ru", 3, "3 детали"},         {"ru", 11, "11 деталей"},
      {"ru", 21, "21 деталь"},       {"de", 1, "1 Teil"},           {"de", 22, "22 Teile"},
      {"fr", 1, "1 pièce"},          {"fr", 2, "2 pièces"},
  };
  for (const auto& [language, count, expected] : cases) {
    SCOPED_TRACE(::testing::Message() << language << " " << count);
    const LanguageScope scope(language);
    EXPECT_EQ(TrN("Messages", "%n pieces", "a count of pieces", count), expected);
  }
}

TEST(LanguagePlurals, TheCongratulationIsTranslatedBeforeItsNumbersGoIn) {
  TestApplication();
  TPuzzleRecord puzzle{};
  puzzle.PieceCount = 22;
  puzzle.JoinedCount = 22;
  puzzle.Elapsed = 65;
  const std::pair<const char*, const char*> cases[] = {
      {"", "You solved all 22 pieces in 1 minutes and 5 seconds without cheating!"},
      {"pl", "Puzzle ułożone: 22 elementy w 1 minutę i 5 sekund bez oszukiwania!"},
      {"de", "Sie haben alle 22 Teile in 1 Minute und 5 Sekunden gelegt, ohne zu schummeln!"},
  };
  for (const auto& [language, expected] : cases) {
    SCOPED_TRACE(language);
    const LanguageScope scope(language);
    EXPECT_EQ(CongratsText(puzzle), expected);
  }
}

// ---- Messages few people meet --------------------------------------------------------

// The text of the UserError that `fails` throws.
std::string ErrorText(const std::function<void()>& fails) {
  try {
    fails();
  } catch (const UserError& error) {
    return error.what();
  }
  return "no error";
}

// Numbers and names go into the translation, so each language orders them as it
// needs; a count takes its plural form.
TEST(LanguageMessages, RareMessagesReadInTheChosenLanguage) {
  TestApplication();
  const std::vector<uint8_t> notAJpeg = {'G', 'I', 'F', '8', '9', 'a', 0, 0};
  auto unreadablePicture = [&] { return ErrorText([&] { ReadJpegInfo(notAJpeg.data(), notAJpeg.size()); }); };
  auto unopenableFile = [] { return ErrorText([] { ProgramFile file("/nonexistent/birthday-gift"); }); };
  struct Case {
    const char* language;
    std::function<std::string()> message;
    std::string expectedStart;
  };
  const Case cases[] = {
      {"", [] { return DisplayDepthMessage(4); },
       "This program needs HiColor mode (64K colors) or better and so is unable to continue while your desktop is set "
       "to 16 colors."},
      {"de", [] { return DisplayDepthMessage(4); },
       "Dieses Programm braucht den HiColor-Modus (64K Farben) oder mehr und kann nicht weiterlaufen, solange Ihr "
       "Desktop auf 16 Farben eingestellt ist."},
      {"pl", [] { return DisplayDepthMessage(1); },
       "Ten program wymaga trybu HiColor (64K kolorów) lub lepszego i nie może działać, dopóki pulpit jest ustawiony "
       "na 2 kolory."},
      {"pl", [] { return DisplayDepthMessage(8); },
       "Ten program wymaga trybu HiColor (64K kolorów) lub lepszego i nie może działać, dopóki pulpit jest ustawiony "
       "na 256 kolorów."},
      {"pl", [] { return VersionText("v3.03"); }, "Wersja 3.03"},
      {"de", unreadablePicture, "Das Bild konnte nicht gelesen werden: die Datei ist kein JPEG-Bild"},
      {"pl", unreadablePicture, "Nie udało się odczytać obrazu: plik nie jest obrazem JPEG"},
      {"de", unopenableFile, "Die Datei „/nonexistent/birthday-gift“ kann nicht geöffnet werden. "},
      {"pl", unopenableFile, "Nie można otworzyć pliku „/nonexistent/birthday-gift”. "},
      {"", unopenableFile, "Cannot open file \"/nonexistent/birthday-gift\". "},
      {"de", [] { return EffectsStreamName() + ", " + MusicStreamName(); }, "Soundeffekte, Musik"},
      {"pl", [] { return EffectsStreamName() + ", " + MusicStreamName(); }, "Efekty dźwiękowe, Muzyka"},
  };
  for (const Case& c : cases) {
    const LanguageScope scope(c.language);
    const std::string message = c.message();
    EXPECT_EQ(message.substr(0, c.expectedStart.size()), c.expectedStart) << c.language << ": " << message;
  }
}

// ---- The catalogues ----------------------------------------------------------------

struct CatalogueEntry {
  QString context, source;
  std::vector<QString> translations;  // one, or one per plural form
  bool unfinished = false;
  bool obsolete = false;  // kept for translators, never shown
};

std::vector<CatalogueEntry> ReadCatalogue(const QString& language) {
  QFile file(QString(QUILL_TRANSLATIONS_DIR) + "/quillmere_" + language + ".ts");
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  QXmlStreamReader xml(&file);
  std::vector<CatalogueEntry> entries;
  QString context;
  bool numerus = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      entries.push_back({context, {}, {}});
      numerus = xml.attributes().value("numerus") == u"yes";
    } else if (xml.name() == u"source") {
      entries.back().source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      const auto type = xml.attributes().value("type");
      entries.back().unfinished = type == u"unfinished";
      entries.back().obsolete = type == u"vanished" || type == u"obsolete";
      if (!numerus) entries.back().translations.push_back(xml.readElementText());
    } else if (xml.name() == u"numerusform") {
      entries.back().translations.push_back(xml.readElementText());
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return entries;
}

// The placeholders of a text (%1, %n, %s, %d, %%), hint bars and accelerators, in
// sorted order.
std::vector<std::string> Marks(const QString& text) {
  std::vector<std::string> marks;
  static const QRegularExpression pattern("%[0-9n]|%[sd%]|\\||&(?!&)");
  for (auto match = pattern.globalMatch(text); match.hasNext();) marks.push_back(match.next().captured().toStdString());
  std::sort(marks.begin(), marks.end());
  return marks;
}

class CatalogueTest : public ::testing::TestWithParam<const char*> {};

TEST_P(CatalogueTest, EveryEntryIsFinishedAndKeepsTheSourcesMarks) {
  const std::vector<CatalogueEntry> entries = ReadCatalogue(GetParam());
  EXPECT_GT(entries.size(), 250u);
  for (const CatalogueEntry& entry : entries) {
    if (entry.obsolete) continue;
    SCOPED_TRACE(entry.source.toStdString());
    EXPECT_FALSE(entry.unfinished);
    ASSERT_FALSE(entry.translations.empty());
    for (const QString& translation : entry.translations) {
      EXPECT_FALSE(translation.isEmpty());
      EXPECT_EQ(Marks(translation), Marks(entry.source)) << translation.toStdString();
    }
  }
}

TEST_P(CatalogueTest, EveryTextOfTheCoreTablesIsTranslated) {
  QTranslator catalogue;
  ASSERT_TRUE(catalogue.load(QString(":/translations/quillmere_") + GetParam()));
  int texts = 0;
  ForEachFormText([&](const char* context, const std::string& text) {
    ++texts;
    EXPECT_FALSE(catalogue.translate(context, text.c_str()).isEmpty()) << context << ": " << text;
  });
  EXPECT_GT(texts, 200);
}

// The letter after '&' of each item of every menu and pop-up menu differs from the
// others of its menu, so each can be chosen from the keyboard.
TEST_P(CatalogueTest, AcceleratorsAreUniqueWithinEachMenu) {
  TestApplication();
  const LanguageScope scope(GetParam());
  UiState form;
  DefineMainForm(form);
  std::vector<std::string> menus = {"MainMenu", "PopupPlay", "PopupPiece", "PopupTray", "PopupTrayIcon", "ColorPopup"};
  for (size_t i = 0; i < menus.size(); ++i)
    for (const std::string& item : form.Children(menus[i]))
      if (!form.Children(item).empty()) menus.push_back(item);
  for (const std::string& menu : menus) {
    std::map<QChar, QString> taken;
    for (const std::string& item : form.Children(menu)) {
      const QString caption = QCoreApplication::translate(kMainFormName, form.Get(item).Caption.c_str());
      const qsizetype amp = caption.indexOf('&');
      if (amp < 0 || amp + 1 >= caption.size()) continue;
      const QChar key = caption.at(amp + 1).toLower();
      EXPECT_FALSE(taken.contains(key)) << menu << ": \"" << caption.toStdString() << "\" and \""
                                        << taken[key].toStdString() << "\"";
      taken[key] = caption;
    }
  }
}

// Qt's own texts (message box buttons) come with the program, trimmed from Qt's
// catalogue of the language, for systems that have no Qt translations installed.
TEST_P(CatalogueTest, QtsButtonTextsComeWithTheProgram) {
  QTranslator qt;
  ASSERT_TRUE(qt.load(QString("qtbase_") + GetParam(), ":/translations"));
  for (const char* text : {"&Yes", "&No", "Cancel"})
    EXPECT_FALSE(qt.translate("QPlatformTheme", text).isEmpty()) << text;
}

INSTANTIATE_TEST_SUITE_P(Languages, CatalogueTest,
                         ::testing::Values("de", "fr", "es", "it", "pt_BR", "pl", "nl", "ru"),
                         [](const ::testing::TestParamInfo<const char*>& language) {
                           return std::string(language.param);
                         });

}  // namespace
}  // namespace quill::testing
