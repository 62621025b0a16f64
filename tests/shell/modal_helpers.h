// Driving modal dialogs from a test: typing into a widget key by key, and acting on a
// dialog as soon as it is shown (the test's call that opens it returns only after the
// dialog has closed).
#pragma once
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <functional>

namespace quill::testing {

// Types `text` into `widget` key by key, as the keyboard would.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(widget, &press);
  }
}

// Runs `act` on the modal dialog of type D as soon as it is shown.
template <typename D>
void WhenShown(std::function<void(D&)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
    if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
      poll->deleteLater();
      poll->stop();
      act(*dialog);
    }
  });
  poll->start(10);
}

}  // namespace quill::testing
