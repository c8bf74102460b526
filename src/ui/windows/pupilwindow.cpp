#include "ui/windows/pupilwindow.h"

#include "core/classes/classlist.h"
#include "core/classes/pupilsymbol.h"
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
    for (std::size_t i = 0; i < list.pupils.size(); ++i)
        page.choices.push_back({list.pupils[i].name, pupilsymbol::of(int(i))});
    QButtonGroup* group = choicedesign::build(this, page);
    connect(group, &QButtonGroup::idClicked, this, &PupilWindow::chosen);
    if (otherClasses) {
        connect(control<QAbstractButton>(this, names::kAltreClassi), &QAbstractButton::clicked,
                this, &PupilWindow::otherClasses);
    }
    if (page.gioca) {
        connect(control<QAbstractButton>(this, names::kGioca), &QAbstractButton::clicked, this,
                &PupilWindow::gioca);
    }
}
