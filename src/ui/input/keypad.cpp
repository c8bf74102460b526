#include "ui/input/keypad.h"

#include <QEvent>
#include <QGridLayout>
#include <QInputDevice>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <utility>

namespace {

/// The keys in reading order: 7 8 9 / 4 5 6 / 1 2 3 / delete 0 confirm.
enum class Key { Digit, Delete, Confirm };
struct KeyRow {
    Key key;
    char16_t digit;
};
constexpr std::array<KeyRow, 12> kKeys = {{{Key::Digit, u'7'},
                                           {Key::Digit, u'8'},
                                           {Key::Digit, u'9'},
                                           {Key::Digit, u'4'},
                                           {Key::Digit, u'5'},
                                           {Key::Digit, u'6'},
                                           {Key::Digit, u'1'},
                                           {Key::Digit, u'2'},
                                           {Key::Digit, u'3'},
                                           {Key::Delete, 0},
                                           {Key::Digit, u'0'},
                                           {Key::Confirm, 0}}};
constexpr int kColumns = 3;

} // namespace

OnScreenKeypad::OnScreenKeypad(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("tastierino"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(4);
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const KeyRow& k = kKeys.at(i);
        auto* button = new QPushButton(this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumSize(kKeyPixels, kKeyPixels);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        switch (k.key) {
        case Key::Digit:
            button->setText(QString(QChar(k.digit)));
            button->setObjectName(QStringLiteral("Cifra") + QChar(k.digit));
            button->setAccessibleName(QStringLiteral("cifra ") + QChar(k.digit));
            connect(button, &QPushButton::clicked, this, [this, d = QChar(k.digit)] { type(d); });
            break;
        case Key::Delete:
            button->setText(QStringLiteral("⌫"));
            button->setObjectName(QStringLiteral("Cancella"));
            button->setAccessibleName(QStringLiteral("cancella"));
            connect(button, &QPushButton::clicked, this, &OnScreenKeypad::deleteLast);
            break;
        case Key::Confirm:
            button->setText(QStringLiteral("✓"));
            button->setObjectName(QStringLiteral("Conferma"));
            button->setAccessibleName(QStringLiteral("conferma"));
            connect(button, &QPushButton::clicked, this, &OnScreenKeypad::confirmed);
            break;
        }
        const int index = static_cast<int>(i);
        grid->addWidget(button, index / kColumns, index % kColumns);
    }
    setEnabled(false);
}

void OnScreenKeypad::setBox(QLineEdit* box)
{
    if (box_) {
        box_->removeEventFilter(this);
        disconnect(box_, nullptr, this, nullptr);
    }
    box_ = box;
    replaceOnDigit_ = false;
    setEnabled(box && box->isEnabled());
    if (!box)
        return;
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this] { replaceOnDigit_ = false; });
}

void OnScreenKeypad::keepUntilNextDigit()
{
    replaceOnDigit_ = true;
}

bool OnScreenKeypad::eventFilter(QObject* watched, QEvent* event)
{
    // Only while the box is whole: it sends events to its filters while it is destroyed too.
    if (event->type() == QEvent::EnabledChange) {
        if (auto* box = qobject_cast<QLineEdit*>(watched); box && box == box_)
            setEnabled(box->isEnabled());
    }
    return QWidget::eventFilter(watched, event);
}

void OnScreenKeypad::type(QChar digit)
{
    if (!box_ || !box_->isEnabled())
        return;
    if (std::exchange(replaceOnDigit_, false))
        box_->clear();
    box_->insert(QString(digit));
}

void OnScreenKeypad::deleteLast()
{
    if (!box_ || !box_->isEnabled())
        return;
    box_->end(false);
    box_->backspace();
}

bool keypadShown(Keypad choice)
{
    if (choice != Keypad::FollowTouchScreen)
        return choice == Keypad::Shown;
    const auto devices = QInputDevice::devices();
    return std::any_of(devices.begin(), devices.end(), [](const QInputDevice* d) {
        return d->type() == QInputDevice::DeviceType::TouchScreen;
    });
}
