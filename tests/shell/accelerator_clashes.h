// Whether every control a person can reach with Alt and a letter has a letter of its
// own: the window's menu bar titles, tab titles, buttons, check boxes, group titles and
// the labels that lead to a field. Two of them on one letter make Alt+letter jump to
// the first only, which in a translated window is easy to miss.
#pragma once
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabBar>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

namespace quill::testing {

namespace accelerators {

// The letter after a single '&' of a caption, lower case; a null character for none.
inline QChar Letter(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return caption[i + 1].toLower();
  }
  return {};
}

// The captions of `root` whose letter Alt reaches while `root` is shown as it is now:
// hidden controls (another tab's) and labels that lead nowhere do not count.
inline std::vector<QString> ReachableCaptions(const QWidget& root) {
  std::vector<QString> captions;
  for (const QWidget* widget : root.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&root) || !widget->isEnabled()) continue;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
      captions.push_back(button->text());
    } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
      if (label->buddy() != nullptr) captions.push_back(label->text());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
      captions.push_back(group->title());
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
      for (int i = 0; i < tabs->count(); ++i) captions.push_back(tabs->tabText(i));
    } else if (const auto* menus = qobject_cast<const QMenuBar*>(widget)) {
      for (const QAction* menu : menus->actions()) captions.push_back(menu->text());
    }
  }
  return captions;
}

}  // namespace accelerators

// Each pair of captions of `root` that share their Alt letter, as "\"A\" and \"B\"".
inline std::vector<std::string> ClashingAccelerators(const QWidget& root) {
  std::vector<std::string> clashes;
  std::map<QChar, QString> taken;
  for (const QString& caption : accelerators::ReachableCaptions(root)) {
    const QChar letter = accelerators::Letter(caption);
    if (letter.isNull()) continue;
    if (const auto found = taken.find(letter); found != taken.end())
      clashes.push_back(QString("\"%1\" and \"%2\"").arg(found->second, caption).toStdString());
    else
      taken.emplace(letter, caption);
  }
  return clashes;
}

}  // namespace quill::testing
