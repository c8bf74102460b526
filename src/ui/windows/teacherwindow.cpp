#include "ui/windows/teacherwindow.h"

#include "core/base/runtime.h"
#include "core/board/catalogue.h"
#include "core/classes/classfolder.h"
#include "core/records/results.h"
#include "ui/design/designarea.h"
#include "ui/design/fonts.h"
#include "ui/design/names.h"
#include "ui/design/resultlists.h"
#include "ui/design/resultmap.h"
#include "ui/input/keyboard.h"
#include "ui/system/printing.h"
#include "ui/system/quickexit.h"
#include "ui/windows/dialogs.h"
#include "ui/windows/planwindow.h"

#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

namespace {

constexpr FontStyle kTextFont{FontFamily::Arial, 9, false};
constexpr FontStyle kBoldFont{FontFamily::Arial, 9, true};
constexpr FontStyle kEsciFont{FontFamily::Arial, 14, false};
constexpr int kPictureSide = 2000;

// In pixels times 15; the Tab order is the order of the rows.
constexpr ControlRow kDesign[] = {
    {"Label1", ControlKind::Label, 120, 150, 840, 375, u"Classe:", kBoldFont},
    {names::kTeacherClass, ControlKind::ComboBox, 960, 120, 2250, 375, u"", kTextFont,
     kNoBackground, nullptr, u"classe"},
    {"Label2", ControlKind::Label, 3390, 150, 1050, 375, u"Esercizio:", kBoldFont},
    {names::kTeacherBoard, ControlKind::ComboBox, 4440, 120, 3750, 375, u"", kTextFont,
     kNoBackground, nullptr, u"esercizio"},
    {names::kTeacherHundred, ControlKind::ComboBox, 8310, 120, 1800, 375, u"", kTextFont,
     kNoBackground, nullptr, u"centinaio"},
    {names::kTeacherReload, ControlKind::Button, 10230, 105, 1650, 420, u"Aggiorna", kBoldFont},
    {names::kTeacherProgress, ControlKind::ProgressBar, 120, 660, 3600, 300, u"", kTextFont,
     kNoBackground, nullptr, u"lettura della classe"},
    {names::kTeacherReading, ControlKind::Display, 3840, 630, 8040, 540, u"", kTextFont},
    {"Label3", ControlKind::Label, 120, 1260, 5760, 330, u"La classe", kBoldFont},
    {names::kTeacherChildren, ControlKind::Table, 120, 1590, 5760, 3000, u"", kTextFont,
     kNoBackground, nullptr, u"bambini della classe"},
    {names::kTeacherChild, ControlKind::Display, 6120, 1260, 5760, 330, u"", kBoldFont},
    {names::kTeacherWeeks, ControlKind::Table, 6120, 1590, 5760, 3000, u"", kTextFont,
     kNoBackground, nullptr, u"settimane del bambino"},
    {names::kTeacherClassMap, ControlKind::ResultMap, 120, 4710, 3600, 3600, u"", kTextFont,
     kNoBackground, nullptr, u"mappa della classe"},
    {names::kTeacherClassWrong, ControlKind::Display, 3840, 4710, 2040, 3600, u"", kTextFont,
     colours::kMenuLabel},
    {names::kTeacherChildMap, ControlKind::ResultMap, 6120, 4710, 3600, 3600, u"", kTextFont,
     kNoBackground, nullptr, u"mappa del bambino"},
    {names::kTeacherChildWrong, ControlKind::Display, 9840, 4710, 2040, 3600, u"", kTextFont,
     colours::kMenuLabel},
    {names::kTeacherPrintClass, ControlKind::Button, 120, 8460, 1800, 450, u"Stampa la classe",
     kBoldFont},
    {names::kTeacherSaveClass, ControlKind::Button, 2040, 8460, 1800, 450, u"Salva la classe…",
     kBoldFont},
    {names::kTeacherPlan, ControlKind::Button, 3960, 8460, 2040, 450, u"Piano della classe…",
     kBoldFont},
    {names::kTeacherPrintChild, ControlKind::Button, 6120, 8460, 1950, 450, u"Stampa il bambino",
     kBoldFont},
    {names::kTeacherRemoveChild, ControlKind::Button, 8190, 8460, 2550, 450,
     u"Cancella i risultati", kBoldFont},
    {names::kTeacherEsci, ControlKind::Button, 10860, 8460, 1020, 450, u"Esci", kEsciFont},
    {names::kTeacherVoice, ControlKind::Display, 120, 9030, 11760, 720, u"", kTextFont},
};

void setRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
}

QString percentText(const Tally& t)
{
    return t.answers() == 0 ? QStringLiteral("–")
                            : QStringLiteral("%1%").arg(results::percentRight(t.right, t.wrong));
}

} // namespace

TeacherWindow::TeacherWindow(WindowHost& host, const LaunchOptions& options, Dialogs& dialogs,
                             PrintService& printer, int readers)
    : ProgramWindow(host), host_(host), dialogs_(dialogs), printer_(printer),
      resultsDir_(options.resultsDir), classesDir_(options.classesDir),
      classReader_(std::make_unique<ClassListReader>()),
      loader_(std::make_unique<ClassLoader>(readers))
{
    setObjectName(QStringLiteral("Insegnante"));
    setWindowTitle(QStringLiteral("Quadena: insegnante"));
    setAccessibleName(QStringLiteral("Quadena: insegnante"));
    auto* area = new DesignArea({runtime::twips(12000), runtime::twips(9840)}, this);
    setCentralWidget(area);
    setBackground(area, colours::kBoardLabel);
    area->addAll(kDesign);
    classList_ = control<QComboBox>(area, names::kTeacherClass);
    boards_ = control<QComboBox>(area, names::kTeacherBoard);
    hundreds_ = control<QComboBox>(area, names::kTeacherHundred);
    progress_ = control<QProgressBar>(area, names::kTeacherProgress);
    reading_ = control<QLabel>(area, names::kTeacherReading);
    children_ = control<QTableWidget>(area, names::kTeacherChildren);
    classMap_ = control<ResultMap>(area, names::kTeacherClassMap);
    classWrong_ = control<QLabel>(area, names::kTeacherClassWrong);
    childName_ = control<QLabel>(area, names::kTeacherChild);
    weeks_ = control<QTableWidget>(area, names::kTeacherWeeks);
    childMap_ = control<ResultMap>(area, names::kTeacherChildMap);
    childWrong_ = control<QLabel>(area, names::kTeacherChildWrong);
    printChild_ = control<QPushButton>(area, names::kTeacherPrintChild);
    removeChild_ = control<QPushButton>(area, names::kTeacherRemoveChild);
    planButton_ = control<QPushButton>(area, names::kTeacherPlan);
    children_->setColumnCount(4);
    children_->setHorizontalHeaderLabels({QStringLiteral("Nome"), QStringLiteral("Risposte"),
                                          QStringLiteral("Esatte"),
                                          QStringLiteral("Ultimo giorno")});
    weeks_->setColumnCount(3);
    weeks_->setHorizontalHeaderLabels(
        {QStringLiteral("Settimana dal"), QStringLiteral("Risposte"), QStringLiteral("Esatte")});
    for (QTableWidget* table : {children_, weeks_}) {
        // Rows and columns as tall and wide as their text, at every size of the window.
        table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        table->horizontalHeader()->setStretchLastSection(false);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    progress_->hide();

    connect(loader_.get(), &ClassLoader::progress, this, [this](int done, int total) {
        progress_->setRange(0, total);
        progress_->setValue(done);
    });
    connect(loader_.get(), &ClassLoader::loaded, this, &TeacherWindow::showClass);
    connect(loader_.get(), &ClassLoader::removed, this, &TeacherWindow::childRemoved);
    connect(classList_, &QComboBox::currentIndexChanged, this, [this] {
        chosenChild_.clear();
        reload();
    });
    connect(boards_, &QComboBox::currentIndexChanged, this, [this] {
        if (!results_)
            return;
        resultlists::fillHundreds(*hundreds_, *results_->whole, board());
        fillChildren();
    });
    connect(hundreds_, &QComboBox::currentIndexChanged, this, &TeacherWindow::showMaps);
    connect(children_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (results_ && row >= 0 && row < int(results_->children.size()))
            chosenChild_ = results_->children[row].folder;
        chooseChild();
    });
    connect(control<QPushButton>(area, names::kTeacherReload), &QPushButton::clicked, this,
            &TeacherWindow::reload);
    connect(control<QPushButton>(area, names::kTeacherPrintClass), &QPushButton::clicked, this,
            [this] {
                if (results_ && board())
                    printer_.printPage(
                        classresults::classPage(*results_, *board(), hundreds_->currentText()),
                        classMap_->picture(kPictureSide));
            });
    connect(printChild_, &QPushButton::clicked, this, [this] {
        if (const ChildResults* c = child(); c && board())
            printer_.printPage(classresults::childPage(*c, results_->className, *board(),
                                                       hundreds_->currentText()),
                               childMap_->picture(kPictureSide));
    });
    connect(control<QPushButton>(area, names::kTeacherSaveClass), &QPushButton::clicked, this,
            &TeacherWindow::save);
    connect(removeChild_, &QPushButton::clicked, this, &TeacherWindow::removeChild);
    connect(planButton_, &QPushButton::clicked, this, [this] {
        if (const ClassList* list = chosenList())
            PlanWindow::open(plan_, *this, host_, classesDir_, resultsDir_, *list);
    });
    connect(control<QPushButton>(area, names::kTeacherEsci), &QPushButton::clicked, this,
            [this] { host_.hide(this); });
    addEnterKeys(area);
    chooseChild();
    PlanWindow::enableButton(*planButton_, classesDir_, nullptr);
    connect(
        classReader_.get(), &ClassListReader::read, this,
        [this, named = options.className](const ClassLists& lists) { fillClasses(lists, named); });
    reading_->setText(QStringLiteral("Lettura delle classi…"));
    if (!options.classesDir.isEmpty())
        classReader_->readLists(options.classesDir);
    else
        classReader_->readFolders(resultsDir_);
}

TeacherWindow::~TeacherWindow()
{
    // A moment for a reading to give up; one stuck on a hung share is left to the end of the
    // process, which then skips the static destructors that thread could still use.
    constexpr auto kGrace = std::chrono::milliseconds(300);
    const bool readerEnded = classReader_->finish(kGrace);
    if (!loader_->finish(kGrace) || !readerEnded)
        skipStaticDestructorsAtExit();
}

void TeacherWindow::showVoiceLanguages(VoiceAnswer answer, const QStringList& languages)
{
    QStringList others = languages;
    others.removeAll(QStringLiteral("it"));
    QString text;
    if (answer == VoiceAnswer::Asking)
        text = QStringLiteral("Chiedo al servizio vocale quali lingue sa dire questo computer…");
    else if (answer == VoiceAnswer::NoAnswer)
        text = QStringLiteral("Il servizio vocale di questo computer non risponde: le lingue "
                              "della voce non si sanno.");
    else if (languages.isEmpty())
        text = QStringLiteral("Questo computer non ha una voce italiana: con la voce accesa i "
                              "numeri non si sentono, si leggono soltanto.");
    else if (others.isEmpty())
        text = QStringLiteral("La voce di questo computer dice i numeri soltanto in italiano.");
    else
        text = QStringLiteral("La voce di questo computer dice i numeri in italiano e anche in: "
                              "%1 (la sigla va dopo il nome nell'elenco della classe, per "
                              "esempio «Andrei;ro»).")
                   .arg(others.join(QLatin1Char(' ')));
    control<QLabel>(this, names::kTeacherVoice)->setText(text);
}

void TeacherWindow::fillClasses(const ClassLists& lists, const QString& named)
{
    classes_ = lists.classes;
    {
        const QSignalBlocker quiet(classList_);
        for (const ClassList& c : classes_)
            classList_->addItem(c.name);
        const int found = classList_->findText(named);
        classList_->setCurrentIndex(found >= 0 ? found : 0);
    }
    if (classes_.empty() && !lists.warnings.isEmpty())
        reading_->setText(lists.warnings.first());
    else if (classes_.empty())
        reading_->setText(QStringLiteral("Nessuna classe: la cartella dei risultati %1 non ne ha "
                                         "ancora, e non ci sono elenchi delle classi.")
                              .arg(resultsDir_));
    else
        reload();
}

const ClassList* TeacherWindow::chosenList() const
{
    const int i = classList_->currentIndex();
    return i >= 0 && i < int(classes_.size()) ? &classes_[i] : nullptr;
}

void TeacherWindow::reload()
{
    PlanWindow::enableButton(*planButton_, classesDir_, chosenList());
    const int i = classList_->currentIndex();
    if (i < 0 || i >= int(classes_.size()))
        return;
    QStringList pupils;
    for (const Pupil& p : classes_[i].pupils)
        pupils << p.name;
    progress_->setRange(0, 0);
    progress_->show();
    reading_->setText(QStringLiteral("Lettura della classe %1…").arg(classes_[i].name));
    loader_->load(resultsDir_, classes_[i].name, pupils);
}

void TeacherWindow::showClass(std::shared_ptr<const ClassResults> results)
{
    results_ = std::move(results);
    removing_ = false;
    progress_->hide();
    reading_->setText(classresults::readingText(*results_));
    resultlists::fillBoards(*boards_, *results_->whole);
    resultlists::fillHundreds(*hundreds_, *results_->whole, board());
    fillChildren();
    emit classShown();
}

std::optional<BoardKind> TeacherWindow::board() const
{
    return resultlists::chosenBoard(*boards_);
}

const ChildResults* TeacherWindow::child() const
{
    if (!results_)
        return nullptr;
    const auto found = std::ranges::find(results_->children, chosenChild_, &ChildResults::folder);
    return found == results_->children.end() ? nullptr : &*found;
}

void TeacherWindow::fillChildren()
{
    const BoardKind b = board().value_or(boardCatalogue().front().kind);
    const QSignalBlocker quiet(children_);
    children_->setRowCount(int(results_->children.size()));
    int chosenRow = -1;
    for (int row = 0; row < children_->rowCount(); ++row) {
        const ChildResults& c = results_->children[row];
        const Tally t = classresults::boardTally(*c.record, b);
        const QDate last = c.lastDay[static_cast<int>(b)];
        setRow(children_, row,
               {c.name, QString::number(t.answers()), percentText(t),
                last.isValid() ? last.toString(QStringLiteral("dd/MM/yyyy")) : QString()});
        if (c.folder == chosenChild_)
            chosenRow = row;
    }
    children_->setCurrentCell(chosenRow, 0);
    chooseChild();
}

void TeacherWindow::showMaps()
{
    if (!results_)
        return;
    const BoardKind b = board().value_or(boardCatalogue().front().kind);
    const int hundred = hundreds_->currentData().toInt();
    classMap_->show(*results_->whole, b, hundred);
    classWrong_->setText(results::mostWrongText(*results_->whole, b));
    if (const ChildResults* c = child()) {
        childMap_->show(*c->record, b, hundred);
        childWrong_->setText(results::mostWrongText(*c->record, b));
    } else {
        static const RunRecord none;
        childMap_->show(none, b, hundred);
        childWrong_->clear();
    }
}

void TeacherWindow::chooseChild()
{
    const ChildResults* c = child();
    printChild_->setEnabled(c);
    // Nothing to delete where the class folder cannot be read, nor twice.
    removeChild_->setEnabled(c && results_->problem.isEmpty() && !removing_);
    removeChild_->setText(c ? QStringLiteral("Cancella i risultati di %1…").arg(c->name)
                            : QStringLiteral("Cancella i risultati…"));
    childName_->setText(c ? QStringLiteral("%1: %2 sessioni").arg(c->name).arg(c->sessions)
                          : QStringLiteral("Scegli un bambino nella tabella."));
    weeks_->setRowCount(0);
    if (c && board()) {
        for (const ChildResults::Week& week : c->weeks) {
            const Tally& t = week.boards[static_cast<int>(*board())];
            if (t.answers() == 0)
                continue;
            weeks_->insertRow(weeks_->rowCount());
            setRow(weeks_, weeks_->rowCount() - 1,
                   {week.monday.toString(QStringLiteral("dd/MM/yyyy")),
                    QString::number(t.answers()), percentText(t)});
        }
    }
    showMaps();
}

bool TeacherWindow::saveTo(const QString& path)
{
    if (!results_)
        return false;
    if (QFileInfo::exists(path) &&
        dialogs_.messageBox(this,
                            QStringLiteral("Il file %1 esiste già. Vuoi sostituirlo?")
                                .arg(QFileInfo(path).fileName()),
                            MessageStyle::Question) != Answer::Yes)
        return false;
    if (results::saveWhole(path, classresults::csv(*results_)))
        return true;
    dialogs_.messageBox(this,
                        QStringLiteral("Non è stato possibile salvare il file %1 in questa "
                                       "cartella. Scegli un'altra cartella.")
                            .arg(QFileInfo(path).fileName()),
                        MessageStyle::Critical);
    return false;
}

void TeacherWindow::save()
{
    if (!results_)
        return;
    QString path = dialogs_.saveFileName(
        this, QStringLiteral("classe-%1.csv").arg(sessionfile::folderName(results_->className)),
        QStringLiteral("Tabella CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    saveTo(path);
}

void TeacherWindow::removeChild()
{
    const ChildResults* c = child();
    if (!c)
        return;
    const QString name = c->name;
    if (dialogs_.messageBox(this,
                            QStringLiteral("Vuoi cancellare tutti i risultati di %1 (classe %2)? "
                                           "Le sue sessioni saranno tolte dalla cartella dei "
                                           "risultati e non si potranno recuperare.")
                                .arg(name, results_->className),
                            MessageStyle::Question) != Answer::Yes)
        return;
    removing_ = true;
    chooseChild();
    progress_->setRange(0, 0);
    progress_->show();
    reading_->setText(QStringLiteral("Cancellazione dei risultati di %1…").arg(name));
    loader_->remove(resultsDir_, results_->className, c->folder);
}

void TeacherWindow::childRemoved(const QString& folder, bool whole)
{
    if (!whole)
        dialogs_.messageBox(this,
                            QStringLiteral("Non è stato possibile cancellare tutti i risultati "
                                           "di %1.")
                                .arg(classfolder::nameOfFolder(folder).value_or(folder)),
                            MessageStyle::Critical);
    reload();
}
