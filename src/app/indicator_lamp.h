// A small round indicator lamp, yellow when on and dim olive when off; the piece size
// dialog lights the lamp of the chosen piece style with it.
#pragma once
#include <QWidget>

namespace quill {

class IndicatorLamp : public QWidget {
  Q_OBJECT
 public:
  explicit IndicatorLamp(QWidget* parent = nullptr);

  bool IsOn() const { return on_; }
  void SetOn(bool on);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool on_ = false;
};

}  // namespace quill
