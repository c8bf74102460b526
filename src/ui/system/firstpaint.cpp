#include "ui/system/firstpaint.h"

#include <QEvent>
#include <QTimer>

namespace {

/// Watches its widget for the first paint event, then hands `then` to the event loop and goes.
class FirstPaint final : public QObject {
  public:
    FirstPaint(QWidget& widget, std::function<void()> then)
        : QObject(&widget), widget_(widget), then_(std::move(then))
    {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &widget_ && event->type() == QEvent::Paint) {
            widget_.removeEventFilter(this);
            QTimer::singleShot(0, &widget_, std::move(then_));
            deleteLater();
        }
        return false;
    }

  private:
    QWidget& widget_;
    std::function<void()> then_;
};

} // namespace

void afterFirstPaint(QWidget& widget, std::function<void()> then)
{
    new FirstPaint(widget, std::move(then));
}
