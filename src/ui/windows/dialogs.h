#pragma once

#include <QString>

class QWidget;

/// Message box styles: information with OK, question with Yes and No, critical with OK.
enum class MessageStyle { Information = 64, Question = 36, Critical = 16 };

/// The button a message box was closed with (Yes is 6 as the designs count).
enum class Answer { Ok = 1, Yes = 6, No = 7 };

/// Modal message and input boxes, all titled "Uso delle quadene dei numeri". Behind this
/// interface so that tests can answer them.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual Answer messageBox(QWidget* parent, const QString& text, MessageStyle style) = 0;
    /// The typed text, or an empty text on Cancel.
    virtual QString inputBox(QWidget* parent, const QString& prompt,
                             const QString& defaultText) = 0;
    /// The file to save in, chosen from the places of the machine; an empty text on Cancel.
    /// It never asks about an existing file: the caller does.
    virtual QString saveFileName(QWidget* parent, const QString& suggested,
                                 const QString& filter) = 0;
};

/// Qt's message box and input dialog, with Italian button texts; with `keypad`, the input
/// box has the on-screen keypad below its buttons.
class QtDialogs final : public Dialogs {
  public:
    explicit QtDialogs(bool keypad = false) : keypad_(keypad) {}

    Answer messageBox(QWidget* parent, const QString& text, MessageStyle style) override;
    QString inputBox(QWidget* parent, const QString& prompt, const QString& defaultText) override;
    QString saveFileName(QWidget* parent, const QString& suggested, const QString& filter) override;

  private:
    bool keypad_;
};

/// `MostraInformazioni`: the information box with the program's four lines.
void mostraInformazioni(Dialogs& dialogs, QWidget* parent);

/// `ConfermaUscita`'s question; true when the user answered Yes.
bool confermaUscita(Dialogs& dialogs, QWidget* parent);
