#include "ui/windows/planwindow.h"

#include "core/board/catalogue.h"
#include "core/practice/plantext.h"
#include "core/practice/review.h"
#include "ui/design/names.h"
#include "ui/system/quickexit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTime>
#include <algorithm>

namespace {

constexpr QSize kStartSize(900, 620);

std::bitset<kBoardKinds> allBoards()
{
    return std::bitset<kBoardKinds>().set();
}

auto sectionOf(std::vector<std::pair<QString, Plan>>& children, const QString& child)
{
    return std::ranges::find_if(
        children, [&](const auto& c) { return c.first.compare(child, Qt::CaseInsensitive) == 0; });
}

/// The choice of a yes-or-no key: not given, yes, no.
int indexOf(const std::optional<bool>& value)
{
    return !value ? 0 : *value ? 1 : 2;
}

} // namespace

PlanWindow::PlanWindow(WindowHost& host, const QString& classesDir, const QString& resultsDir,
                       ClassList list)
    : ProgramWindow(host), host_(host), classesDir_(classesDir), resultsDir_(resultsDir),
      list_(std::move(list)), thread_(this)
{
    const QString title = QStringLiteral("Quadena: piano della classe %1").arg(list_.name);
    setObjectName(names::of(names::kPlanWindow));
    setWindowTitle(title);
    setAccessibleName(title);
    build();
    page_.choices->setEnabled(false);
    page_.status->setText(QStringLiteral("Lettura del piano…"));
    thread_.post(
        [this, out = thread_.outbox(), dir = classesDir_,
         name = list_.name](const std::atomic_bool&) {
            QStringList warnings;
            ClassPlan plan = classplan::read(dir, name, warnings);
            out.deliver([this, plan = std::move(plan), warnings] { planRead(plan, warnings); });
        },
        JobThread::Waiting::Kept);
}

PlanWindow::~PlanWindow()
{
    // A save stuck on a hung share is left to the end of the process, as the readers are.
    if (!thread_.finish(std::chrono::milliseconds(300)))
        skipStaticDestructorsAtExit();
}

QString PlanWindow::unavailable(const QString& classesDir, const ClassList* list)
{
    if (classesDir.isEmpty())
        return QStringLiteral("Il piano si scrive accanto agli elenchi delle classi, ma questa "
                              "macchina non ha una cartella delle classi (chiave "
                              "classes=CARTELLA in /etc/xdg/quadena/quadena.conf).");
    if (!list)
        return QStringLiteral("Il piano è di una classe del suo elenco: scegli prima una classe.");
    return {};
}

void PlanWindow::open(WindowPtr<PlanWindow>& window, ProgramWindow& owner, WindowHost& host,
                      const QString& classesDir, const QString& resultsDir, const ClassList& list)
{
    // A plan closed is read again when opened, unless a save of it is still on its way.
    const bool keep = window && (window->isVisible() || window->answered_ < window->posted_);
    if (!keep || window->className() != list.name) {
        if (window)
            unload(window);
        window = std::make_unique<PlanWindow>(host, classesDir, resultsDir, list);
        connect(window.get(), &ProgramWindow::closedByUser, window.get(),
                [&host, w = window.get()] { host.hide(w); });
        owner.installEventFilter(window.get());
    }
    host.show(window.get());
}

bool PlanWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The plan goes with the view that opened it, so that leaving the view ends the program.
    if (event->type() == QEvent::Hide && !event->spontaneous() && isVisible())
        host_.hide(this);
    return ProgramWindow::eventFilter(watched, event);
}

void PlanWindow::enableButton(QPushButton& button, const QString& classesDir, const ClassList* list)
{
    const QString why = unavailable(classesDir, list);
    button.setEnabled(why.isEmpty());
    button.setToolTip(why);
}

void PlanWindow::build()
{
    page_ = makePlanPage(*this, list_);
    for (const auto& [kind, box] : page_.boards)
        connect(box, &QCheckBox::toggled, this, &PlanWindow::boardToggled);
    connect(page_.close, &QPushButton::clicked, this, [this] { host_.hide(this); });
    connect(page_.forWhom, &QComboBox::currentIndexChanged, this, &PlanWindow::chooseFor);
    connect(page_.allBoards, &QCheckBox::toggled, this, [this](bool all) {
        change([this, all](Plan& p) {
            std::bitset<kBoardKinds> from = allBoards();
            if (!child().isEmpty() && plan_.whole.boards)
                from = *plan_.whole.boards;
            if (all)
                p.boards.reset();
            else
                p.boards = from;
        });
    });
    connect(page_.maximum, &QComboBox::currentIndexChanged, this, [this](int i) {
        change([this, i](Plan& p) {
            p.maximum = i == 0 ? std::nullopt
                               : std::optional<qint16>(qint16(page_.maximum->itemText(i).toInt()));
        });
    });
    connect(page_.mode, &QComboBox::currentIndexChanged, this, [this](int i) {
        change([i](Plan& p) { p.waits = i == 0 ? std::nullopt : std::optional<bool>(i == 1); });
    });
    connect(page_.level, &QComboBox::currentIndexChanged, this, [this](int i) {
        change([i](Plan& p) {
            p.level = i == 0 ? std::nullopt : std::optional<Level>(static_cast<Level>(i - 1));
        });
    });
    connect(page_.review, &QComboBox::currentIndexChanged, this, [this](int i) {
        change([i](Plan& p) { p.review = i == 0 ? std::nullopt : std::optional<bool>(i == 1); });
    });
    showPlan();
    showReview();
    resize(kStartSize);
}

void PlanWindow::planRead(const ClassPlan& plan, const QStringList& warnings)
{
    saved_ = plan;
    plan_ = plan;
    warnings_ = warnings;
    page_.warnings->setText(
        QStringLiteral("Righe del piano ignorate (il file sarà riscritto senza di esse al primo "
                       "cambiamento):\n%1")
            .arg(warnings.join(u'\n')));
    page_.warnings->setVisible(!warnings.isEmpty());
    page_.status->setText(
        QStringLiteral("Piano letto da %1/%2.").arg(classesDir_, classplan::fileName(list_.name)));
    page_.choices->setEnabled(true);
    showPlan();
    emit settled();
}

void PlanWindow::saved(quint64 asked, const ClassPlan& plan, const std::optional<QString>& failure)
{
    if (!failure) {
        saved_ = plan;
        page_.warnings->hide(); // the file was written without the lines ignored
    }
    if (asked != posted_)
        return; // a newer save is on its way and tells
    answered_ = asked;
    if (failure) {
        plan_ = saved_;
        showPlan();
        page_.status->setText(QStringLiteral("Piano non salvato: %1").arg(*failure));
    } else {
        page_.status->setText(QStringLiteral("Piano salvato alle %1 in %2/%3")
                                  .arg(QTime::currentTime().toString(QStringLiteral("HH:mm")),
                                       classesDir_, classplan::fileName(list_.name)));
    }
    emit settled();
}

QString PlanWindow::child() const
{
    const int i = page_.forWhom->currentIndex();
    return i > 0 && i <= int(list_.pupils.size()) ? list_.pupils[i - 1].name : QString();
}

Plan& PlanWindow::own()
{
    const QString name = child();
    if (name.isEmpty())
        return plan_.whole;
    auto found = sectionOf(plan_.children, name);
    if (found == plan_.children.end()) {
        plan_.children.emplace_back(name, Plan{});
        return plan_.children.back().second;
    }
    return found->second;
}

void PlanWindow::change(const std::function<void(Plan&)>& edit)
{
    if (filling_)
        return;
    edit(own());
    if (const QString name = child(); !name.isEmpty()) {
        auto found = sectionOf(plan_.children, name);
        if (found->second == Plan{})
            plan_.children.erase(found);
    }
    showPlan();
    const quint64 asked = ++posted_;
    page_.status->setText(QStringLiteral("Salvataggio del piano…"));
    thread_.post([this, out = thread_.outbox(), dir = classesDir_, name = list_.name, plan = plan_,
                  asked](const std::atomic_bool&) {
        const std::optional<QString> failure = classplan::save(dir, name, plan);
        out.deliver([this, asked, plan, failure] { saved(asked, plan, failure); });
    });
}

void PlanWindow::boardToggled()
{
    if (filling_)
        return;
    std::bitset<kBoardKinds> chosen;
    for (const auto& [kind, box] : page_.boards)
        chosen.set(static_cast<std::size_t>(kind), box->isChecked());
    if (chosen.none()) {
        showPlan();
        page_.status->setText(QStringLiteral("Almeno un esercizio resta nel piano: per toglierli "
                                             "tutti scegline un altro prima."));
        return;
    }
    change([chosen](Plan& p) { p.boards = chosen; });
}

void PlanWindow::chooseFor()
{
    showPlan();
    showReview();
}

void PlanWindow::showPlan()
{
    filling_ = true;
    const QString name = child();
    const bool forChild = !name.isEmpty();
    Plan p;
    if (!forChild)
        p = plan_.whole;
    else if (auto found = sectionOf(plan_.children, name); found != plan_.children.end())
        p = found->second;
    const QString unset = plantext::unset(forChild);
    for (QComboBox* box : {page_.maximum, page_.mode, page_.level, page_.review})
        box->setItemText(0, unset);
    page_.maximum->setCurrentIndex(
        p.maximum ? std::max(0, page_.maximum->findText(QString::number(*p.maximum))) : 0);
    page_.mode->setCurrentIndex(indexOf(p.waits));
    page_.level->setCurrentIndex(p.level ? int(*p.level) + 1 : 0);
    page_.review->setCurrentIndex(indexOf(p.review));
    const QString all =
        forChild ? QStringLiteral("Come la classe") : QStringLiteral("Tutti gli esercizi");
    page_.allBoards->setText(all);
    page_.allBoards->setAccessibleName(all);
    page_.allBoards->setChecked(!p.boards);
    const std::bitset<kBoardKinds> shown =
        p.boards.value_or(forChild ? plan_.whole.boards.value_or(allBoards()) : allBoards());
    for (const auto& [kind, box] : page_.boards) {
        box->setChecked(shown.test(static_cast<std::size_t>(kind)));
        box->setEnabled(p.boards.has_value());
    }
    filling_ = false;
    showInForce();
}

void PlanWindow::showInForce()
{
    const QString name = child();
    const QString heading =
        name.isEmpty() ? QStringLiteral("Piano in vigore per la classe %1:").arg(list_.name)
                       : QStringLiteral("Piano in vigore per %1:").arg(name);
    page_.inForce->setText(heading + u'\n' +
                           plantext::inForce(classplan::planFor(plan_, name)).join(u'\n'));
}

void PlanWindow::showReview()
{
    const QString name = child();
    const quint64 asked = ++reviewAsked_;
    if (name.isEmpty() || resultsDir_.isEmpty()) {
        page_.childReview->setText(
            QStringLiteral("Scegli un bambino in «Per:» per vedere i numeri del suo ripasso."));
        return;
    }
    page_.childReview->setText(QStringLiteral("Lettura delle risposte di %1…").arg(name));
    thread_.post(
        [this, out = thread_.outbox(), dir = resultsDir_, className = list_.name, name,
         asked](const std::atomic_bool&) {
            const ReviewSet set = ReviewSet::of(childAnswers(dir, className, name));
            QString text =
                QStringLiteral("Ripasso di %1:\n%2").arg(name, plantext::reviewLists(set));
            out.deliver([this, asked, text = std::move(text)] {
                if (asked == reviewAsked_)
                    page_.childReview->setText(text);
            });
        },
        JobThread::Waiting::Kept);
}
