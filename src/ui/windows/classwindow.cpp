#include "ui/windows/classwindow.h"

#include "ui/design/choicedesign.h"
#include "ui/design/names.h"

#include <QAbstractButton>
#include <QButtonGroup>

ClassWindow::ClassWindow(WindowHost& host, const QStringList& classes, const QString& missing)
    : ProgramWindow(host)
{
    setObjectName(names::of(names::kClassWindow));
    setWindowTitle(QStringLiteral("Quale classe?"));
    ChoicePage page{u"Quale classe?", {}, {}, names::kClassButton, 28};
    if (classes.isEmpty()) {
        page.notice = QStringLiteral("Non trovo gli elenchi delle classi: si gioca senza nome.");
        page.gioca = true;
    } else if (!missing.isEmpty()) {
        page.notice = QStringLiteral("La classe «%1» non c'è: scegli la tua classe.").arg(missing);
    }
    for (const QString& name : classes)
        page.choices.push_back({name, std::nullopt});
    QButtonGroup* group = choicedesign::build(this, page);
    connect(group, &QButtonGroup::idClicked, this, &ClassWindow::chosen);
    if (page.gioca) {
        connect(control<QAbstractButton>(this, names::kGioca), &QAbstractButton::clicked, this,
                &ClassWindow::gioca);
    }
}
