#pragma once

#include <QAccessibleWidget>
#include <QWidget>

/// A control that assistive technology can press while it is enabled: the press action comes
/// first among its actions and runs `press()`.
class PressableAccessible : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            press();
        else
            QAccessibleWidget::doAction(name);
    }

  protected:
    virtual void press() = 0;
};
