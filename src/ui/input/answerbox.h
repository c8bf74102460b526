#pragma once

#include <QLineEdit>

/// The text box a child types an answer into. Enter pressed and released in the box gives
/// the answer once: a held key's repeats, and the release of an Enter pressed elsewhere (the
/// one that closed a message box), give nothing. Assistive technology and on-screen keys
/// answer through `submit()`.
class AnswerBox final : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

    /// Gives what the box holds as the answer, while the box is enabled.
    void submit();

  signals:
    void submitted(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    bool enterPressed_ = false;
};
