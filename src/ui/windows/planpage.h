#pragma once

#include "core/board/boardkind.h"
#include "core/classes/classlist.h"

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QMainWindow;
class QPushButton;
class QWidget;

/// The controls of the plan window, laid out on its page: the choices on the left (for whom,
/// the boards, the maximum, the mode, the level, the review), the plan in force and the
/// child's review on the right, the ignored lines and the status below. Each combo box's
/// first item is the key not given, which the window captions.
struct PlanPage {
    QWidget* choices = nullptr;
    QComboBox* forWhom = nullptr; // the class, then each child of the list
    QCheckBox* allBoards = nullptr;
    std::vector<std::pair<BoardKind, QCheckBox*>> boards; // in the main menu's order
    QComboBox* maximum = nullptr;                         // then each maximum the machine takes
    QComboBox* mode = nullptr;                            // then wait, auto
    QComboBox* level = nullptr;                           // then facile, media, difficile
    QComboBox* review = nullptr;                          // then yes, no
    QLabel* inForce = nullptr;
    QLabel* childReview = nullptr;
    QLabel* warnings = nullptr;
    QLabel* status = nullptr;
    QPushButton* close = nullptr;
};

/// Makes the page as `window`'s central widget, for the children of `list`.
PlanPage makePlanPage(QMainWindow& window, const ClassList& list);
