#include "ui/windows/planpage.h"

#include "core/base/level.h"
#include "core/base/maximum.h"
#include "core/board/catalogue.h"
#include "core/practice/plantext.h"
#include "ui/design/names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMostMaximum = 100; // above any maximum the machine takes

QLabel* textLabel(const char* name, const QString& accessibleName)
{
    auto* label = new QLabel;
    label->setObjectName(names::of(name));
    label->setAccessibleName(accessibleName);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QComboBox* choice(const char* name, const QString& accessibleName, const QStringList& items)
{
    auto* box = new QComboBox;
    box->setObjectName(names::of(name));
    box->setAccessibleName(accessibleName);
    box->addItem(QString()); // the key not given; its caption follows the target
    box->addItems(items);
    return box;
}

/// A row of the form under its caption, named after the control it tells.
void addRow(QFormLayout* form, const QString& caption, QWidget* field)
{
    auto* label = new QLabel(caption);
    label->setObjectName(field->objectName() + QStringLiteral("Etichetta"));
    label->setBuddy(field);
    form->addRow(label, field);
}

} // namespace

PlanPage makePlanPage(QMainWindow& window, const ClassList& list)
{
    PlanPage p;
    auto* central = new QWidget;
    central->setObjectName(window.objectName() + QStringLiteral("Pagina"));
    window.setCentralWidget(central);
    auto* page = new QVBoxLayout(central);
    auto* columns = new QHBoxLayout;
    page->addLayout(columns, 1);

    p.choices = new QWidget;
    p.choices->setObjectName(window.objectName() + QStringLiteral("Scelte"));
    auto* form = new QFormLayout(p.choices);
    columns->addWidget(p.choices, 1);
    QStringList forItems{QStringLiteral("Tutta la classe")};
    for (const Pupil& pupil : list.pupils)
        forItems << pupil.name;
    p.forWhom = new QComboBox;
    p.forWhom->setObjectName(names::of(names::kPlanFor));
    p.forWhom->setAccessibleName(QStringLiteral("piano per"));
    p.forWhom->addItems(forItems);
    addRow(form, QStringLiteral("Per:"), p.forWhom);

    auto* boardList = new QWidget;
    boardList->setObjectName(names::of(names::kPlanBoards));
    auto* boards = new QVBoxLayout(boardList);
    boards->setContentsMargins(0, 0, 0, 0);
    p.allBoards = new QCheckBox;
    p.allBoards->setObjectName(names::of(names::kPlanAllBoards));
    boards->addWidget(p.allBoards);
    for (const BoardEntry& entry : boardCatalogue()) {
        const QString caption = QString::fromUtf16(entry.pageName);
        auto* box = new QCheckBox(caption);
        box->setObjectName(names::of(names::kPlanBoard, boardId(entry.kind)));
        box->setAccessibleName(caption);
        boards->addWidget(box);
        p.boards.emplace_back(entry.kind, box);
    }
    addRow(form, QStringLiteral("Esercizi:"), boardList);

    QStringList maxima;
    for (int n = 0; n <= kMostMaximum; ++n) {
        if (acceptedMaximum(QString::number(n)) == n)
            maxima << QString::number(n);
    }
    p.maximum = choice(names::kPlanMaximum, QStringLiteral("numero massimo"), maxima);
    p.mode = choice(names::kPlanMode, QStringLiteral("modo"),
                    {plantext::mode(true), plantext::mode(false)});
    p.level = choice(names::kPlanLevel, QStringLiteral("livello"),
                     {plantext::level(Level::Facile), plantext::level(Level::Media),
                      plantext::level(Level::Difficile)});
    p.review = choice(names::kPlanReview, QStringLiteral("ripasso degli errori"),
                      {plantext::yesNo(true), plantext::yesNo(false)});
    addRow(form, QStringLiteral("Numero massimo:"), p.maximum);
    addRow(form, QStringLiteral("Modo:"), p.mode);
    addRow(form, QStringLiteral("Livello:"), p.level);
    addRow(form, QStringLiteral("Ripasso degli errori:"), p.review);

    auto* side = new QVBoxLayout;
    columns->addLayout(side, 1);
    p.inForce = textLabel(names::kPlanInForce, QStringLiteral("piano in vigore"));
    side->addWidget(p.inForce);
    QLabel* meaning = textLabel(names::kPlanReviewMeaning, QStringLiteral("che cos'è il ripasso"));
    meaning->setText(plantext::reviewMeaning());
    side->addWidget(meaning);
    p.childReview = textLabel(names::kPlanChildReview, QStringLiteral("ripasso del bambino"));
    side->addWidget(p.childReview);
    side->addStretch(1);

    p.warnings = textLabel(names::kPlanWarnings, QStringLiteral("righe ignorate del piano"));
    p.warnings->hide();
    page->addWidget(p.warnings);
    auto* bottom = new QHBoxLayout;
    page->addLayout(bottom);
    p.status = textLabel(names::kPlanStatus, QStringLiteral("stato del piano"));
    bottom->addWidget(p.status, 1);
    p.close = new QPushButton(QStringLiteral("Chiudi"));
    p.close->setObjectName(names::of(names::kPlanClose));
    bottom->addWidget(p.close, 0, Qt::AlignBottom);
    return p;
}
