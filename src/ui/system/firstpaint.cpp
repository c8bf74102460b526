#include "ui/system/firstpaint.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>

namespace {

/// Watches a window and its children (an opaque child spares its parent the painting) for
/// the first paint event, then hands `then` to the event loop and goes.
class FirstPaint final : public QObject {
  public:
    FirstPaint(QWidget& widget, std::function<void()> then)
        : QObject(&widget), widget_(widget), then_(std::move(then))
    {
        QList<QWidget*> all = widget.findChildren<QWidget*>();
        all.prepend(&widget);
        for (QWidget* w : std::as_const(all)) {
            w->installEventFilter(this);
            watched_.append(w);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && then_) {
            for (const QPointer<QWidget>& w : std::as_const(watched_)) {
                if (w)
                    w->removeEventFilter(this);
            }
            QTimer::singleShot(0, &widget_, std::exchange(then_, nullptr));
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& widget_;
    QList<QPointer<QWidget>> watched_;
    std::function<void()> then_;
};

} // namespace

void afterFirstPaint(QWidget& widget, std::function<void()> then)
{
    new FirstPaint(widget, std::move(then));
}
