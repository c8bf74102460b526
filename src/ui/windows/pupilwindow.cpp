#include "ui/windows/pupilwindow.h"

#include "core/classes/classlist.h"
#include "ui/design/choicedesign.h"
#include "ui/design/names.h"

#include <QAbstractButton>
#include <QButtonGroup>

PupilWindow::PupilWindow(WindowHost& host, const ClassList& list, bool otherClasses)
    : ProgramWindow(host)
{
    setObjectName(names::of(names::kPupilWindow));
    setWindowTitle(QStringLiteral("Chi sei? – classe %1").arg(list.name));
    ChoicePage page{u"Chi sei?", {}, {}, names::kPupilButton};
    page.otherClasses = otherClasses;
    if (list.pupils.empty()) {
        page.notice =
            QStringLiteral("Nell'elenco della classe %1 non c'è nessun nome: si gioca senza nome.")
                .arg(list.name);
        page.gioca = true;
    }
    for (const Pupil& pupil : list.pupils)
        page.choices.push_back({pupil.name, std::nullopt});
    group_ = choicedesign::build(this, page);
    connect(group_, &QButtonGroup::idClicked, this, &PupilWindow::chosen);
    if (otherClasses) {
        connect(control<QAbstractButton>(this, names::kAltreClassi), &QAbstractButton::clicked,
                this, &PupilWindow::otherClasses);
    }
    if (page.gioca) {
        connect(control<QAbstractButton>(this, names::kGioca), &QAbstractButton::clicked, this,
                &PupilWindow::gioca);
    }
}

void PupilWindow::setSymbols(const std::vector<PupilSymbol>& symbols)
{
    choicedesign::setSymbols(*group_, symbols);
}
