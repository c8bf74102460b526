#include "core/practice/classplan.h"

#include "core/base/maximum.h"
#include "core/base/values.h"
#include "core/board/catalogue.h"
#include "core/classes/classfolder.h"
#include "core/classes/classlist.h"
#include "core/sessions/personname.h"
#include "core/sessions/safesave.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <fcntl.h>

namespace {

constexpr qint64 kLargestPlan = 64 * 1024;
/// The teachers' accounts write the plan, the pupils' read it.
constexpr mode_t kPlanMode = 0644;

constexpr const char16_t* kLevelNames[] = {u"facile", u"media", u"difficile"};

std::optional<Level> levelOf(QStringView text)
{
    for (std::size_t i = 0; i < std::size(kLevelNames); ++i) {
        if (text.compare(kLevelNames[i], Qt::CaseInsensitive) == 0)
            return static_cast<Level>(i);
    }
    return std::nullopt;
}

std::optional<std::bitset<kBoardKinds>> boardsOf(QStringView text)
{
    std::bitset<kBoardKinds> boards;
    for (QStringView id : text.split(u',')) {
        const std::optional<BoardKind> kind = boardById(id.trimmed());
        if (!kind)
            return std::nullopt;
        boards.set(static_cast<std::size_t>(*kind));
    }
    return boards;
}

/// Takes one key into `plan`; the reason when the key or its value is refused.
QString take(Plan& plan, QStringView key, const QString& value)
{
    const auto refused = [&](const char16_t* accepted) {
        return QStringLiteral("%1=%2 non valido (%3), riga ignorata")
            .arg(key, value, QString::fromUtf16(accepted));
    };
    if (key.compare(u"max", Qt::CaseInsensitive) == 0) {
        plan.maximum = acceptedMaximum(value);
        return plan.maximum ? QString() : refused(u"da 20 a 99");
    }
    if (key.compare(u"mode", Qt::CaseInsensitive) == 0) {
        plan.waits = values::waits(value);
        return plan.waits ? QString() : refused(u"wait o auto");
    }
    if (key.compare(u"boards", Qt::CaseInsensitive) == 0) {
        plan.boards = boardsOf(value);
        return plan.boards ? QString() : refused(u"nomi di esercizi come trova-0-99");
    }
    if (key.compare(u"level", Qt::CaseInsensitive) == 0) {
        plan.level = levelOf(value);
        return plan.level ? QString() : refused(u"facile, media o difficile");
    }
    if (key.compare(u"review", Qt::CaseInsensitive) == 0) {
        plan.review = values::boolean(value);
        return plan.review ? QString() : refused(u"true o false");
    }
    return QStringLiteral("chiave sconosciuta \"%1\", riga ignorata").arg(key);
}

void writePlan(QString& out, const Plan& plan)
{
    if (plan.maximum)
        out += QStringLiteral("max=%1\n").arg(*plan.maximum);
    if (plan.waits)
        out += *plan.waits ? u"mode=wait\n" : u"mode=auto\n";
    if (plan.boards) {
        QStringList ids;
        for (const BoardEntry& entry : boardCatalogue()) {
            if (plan.boards->test(static_cast<std::size_t>(entry.kind)))
                ids << boardId(entry.kind);
        }
        out += QStringLiteral("boards=%1\n").arg(ids.join(QStringLiteral(", ")));
    }
    if (plan.level)
        out += QStringLiteral("level=%1\n")
                   .arg(QString::fromUtf16(kLevelNames[static_cast<std::size_t>(*plan.level)]));
    if (plan.review)
        out += *plan.review ? u"review=true\n" : u"review=false\n";
}

template <typename T> void over(std::optional<T>& value, const std::optional<T>& child)
{
    if (child)
        value = child;
}

} // namespace

namespace classplan {

QString fileName(const QString& className)
{
    return className + QStringLiteral(".conf");
}

ClassPlan parse(const QByteArray& bytes, const QString& fileName, QStringList& warnings)
{
    ClassPlan plan;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError()) {
        warnings << QStringLiteral("%1: non è un file di testo UTF-8, ignorato").arg(fileName);
        return plan;
    }
    Plan* section = &plan.whole;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            const std::optional<QString> named = personname::accepted(line.mid(1, line.size() - 2));
            if (!named) {
                warnings << classlist::lineWarning(fileName, i, QStringLiteral("nome non valido"));
                section = nullptr;
                continue;
            }
            const QString& child = *named;
            const auto same = [&](const auto& c) {
                return c.first.compare(child, Qt::CaseInsensitive) == 0;
            };
            auto found = std::ranges::find_if(plan.children, same);
            if (found == plan.children.end())
                found = plan.children.insert(found, {child, Plan{}});
            section = &found->second;
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        QString why;
        if (!section)
            why = QStringLiteral("sotto un nome non valido, riga ignorata");
        else if (equals < 0)
            why = QStringLiteral("non è chiave=valore, riga ignorata");
        else {
            Plan taken = *section;
            why = take(taken, QStringView(line).left(equals).trimmed(),
                       line.mid(equals + 1).trimmed());
            if (why.isEmpty())
                *section = taken;
        }
        if (!why.isEmpty())
            warnings << classlist::lineWarning(fileName, i, why);
    }
    return plan;
}

QByteArray write(const ClassPlan& plan)
{
    QString out;
    writePlan(out, plan.whole);
    for (const auto& [child, childPlan] : plan.children) {
        out += QStringLiteral("\n[%1]\n").arg(child);
        writePlan(out, childPlan);
    }
    return out.toUtf8();
}

ClassPlan read(const QString& classesDir, const QString& className, QStringList& warnings)
{
    const QString name = fileName(className);
    const QFileInfo info(classesDir + u'/' + name);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile file(info.filePath());
    if (!info.isFile() || info.size() > kLargestPlan || !file.open(QIODevice::ReadOnly)) {
        warnings << QStringLiteral("%1: file non leggibile o troppo grande, ignorato").arg(name);
        return {};
    }
    return parse(file.read(kLargestPlan), name, warnings);
}

std::optional<QString> save(const QString& classesDir, const QString& className,
                            const ClassPlan& plan)
{
    if (className.isEmpty() || className.startsWith(u'.') || className.contains(u'/') ||
        className.contains(QChar(0)))
        return QStringLiteral("%1: nome di classe non valido").arg(className);
    const classfolder::Descriptor folder(
        ::open(QFile::encodeName(classesDir).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd() < 0)
        return QStringLiteral("%1: cartella delle classi non raggiungibile").arg(classesDir);
    return safesave::replaceWhole(folder.fd(), QFile::encodeName(fileName(className)), write(plan),
                                  kPlanMode, false);
}

Plan planFor(const ClassPlan& plan, const QString& child)
{
    Plan inForce = plan.whole;
    const auto found = std::ranges::find_if(plan.children, [&](const auto& c) {
        return !child.isEmpty() && c.first.compare(child, Qt::CaseInsensitive) == 0;
    });
    if (found == plan.children.end())
        return inForce;
    const Plan& own = found->second;
    over(inForce.maximum, own.maximum);
    over(inForce.waits, own.waits);
    over(inForce.boards, own.boards);
    over(inForce.level, own.level);
    over(inForce.review, own.review);
    return inForce;
}

} // namespace classplan
