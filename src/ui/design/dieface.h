#pragma once

#include <QWidget>

/// A die drawn with its dots: a white square with rounded corners showing 1 to 6 dots, black
/// for the roll to be answered, grey for a roll already played, or a question mark before the
/// first roll. It tells assistive technology what it shows.
class DieFace final : public QWidget {
    Q_OBJECT
  public:
    explicit DieFace(QWidget* parent = nullptr);

    int value() const { return value_; }
    bool fresh() const { return fresh_; }
    /// 1 to 6, or 0 before the first roll; `fresh` while the roll is to be answered.
    void setFace(int value, bool fresh);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int value_ = -1;
    bool fresh_ = false;
};
