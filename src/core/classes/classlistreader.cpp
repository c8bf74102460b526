#include "core/classes/classlistreader.h"

#include "core/classes/classfolder.h"
#include "core/classes/firstplayed.h"

ClassListReader::ClassListReader(QObject* parent) : QObject(parent), thread_(this) {}

ClassListReader::~ClassListReader() = default;

void ClassListReader::readLists(const QString& classesDir)
{
    post([classesDir] { return classlist::read(classesDir); });
}

void ClassListReader::readFolders(const QString& resultsDir)
{
    post([resultsDir] {
        ClassLists lists;
        const std::optional<QStringList> names = classfolder::classesIn(resultsDir);
        if (!names)
            lists.warnings << QStringLiteral("La cartella dei risultati %1 non si può leggere.")
                                  .arg(resultsDir);
        for (const QString& name : names.value_or(QStringList()))
            lists.classes.push_back({name, {}});
        return lists;
    });
}

void ClassListReader::readSymbols(const QString& resultsDir, const ClassList& list,
                                  std::function<void(std::vector<PupilSymbol>)> then)
{
    QStringList names;
    for (const Pupil& pupil : list.pupils)
        names << pupil.name;
    thread_.post(
        [out = thread_.outbox(), resultsDir, className = list.name, names,
         then = std::move(then)](const std::atomic_bool&) {
            std::vector<PupilSymbol> symbols =
                pupilsymbol::ofClass(names, firstplayed::read(resultsDir, className));
            out.deliver([then, symbols = std::move(symbols)] { then(symbols); });
        },
        JobThread::Waiting::Kept);
}

void ClassListReader::post(std::function<ClassLists()> reading)
{
    // A replaced reading is answered by the one that took its place.
    thread_.post(
        [this, out = thread_.outbox(), reading, asked = ++asked_](const std::atomic_bool&) {
            ClassLists lists = reading();
            out.deliver([this, lists = std::move(lists), asked] {
                answered_ = std::max(answered_, asked);
                emit read(lists);
            });
        });
}
