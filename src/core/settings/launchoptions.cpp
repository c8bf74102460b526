#include "core/settings/launchoptions.h"

#include "core/settings/commandline.h"
#include "core/settings/settings.h"

#include <utility>
#include <vector>

namespace {

/// The entries of one file that name a setting allowed there; the rest, and a file ignored
/// whole, become warnings.
std::vector<Entry> fileEntries(const QString& path, bool machine, QStringList& warnings)
{
    const ConfigFileContent content = readConfigFile(path);
    if (!content.problem.isEmpty()) {
        warnings << QStringLiteral("%1: %2; il file è ignorato").arg(path, content.problem);
        return {};
    }
    std::vector<Entry> entries;
    for (const auto& [key, value] : content.entries) {
        const Setting* s = findSetting(key);
        if (!s)
            warnings << QStringLiteral("%1: chiave sconosciuta \"%2\", ignorata").arg(path, key);
        else if (s->scope == Scope::MachineOnly && !machine)
            warnings << QStringLiteral("%1: %2 vale solo nel file della macchina, ignorato")
                            .arg(path, key);
        else
            entries.push_back(
                {.setting = s, .value = value, .written = key + u'=' + value, .file = path});
    }
    return entries;
}

} // namespace

Launch readLaunch(const QStringList& arguments, const ConfigFiles& files)
{
    CommandLine line = parseCommandLine(arguments);
    Launch launch;
    launch.action = line.action;
    launch.error = line.error;
    if (line.action != LaunchAction::Run && line.action != LaunchAction::Teacher)
        return launch;

    LaunchOptions& options = launch.options;
    const std::vector<Entry> machine = fileEntries(files.machine, true, launch.warnings);
    const std::vector<Entry> user = fileEntries(files.user, false, launch.warnings);
    std::vector<const Entry*> refused;
    for (const Entry& e : machine) {
        if (!e.setting->read(options, e.value))
            refused.push_back(&e);
    }
    // The machine's lock holds whatever comes later.
    for (const std::vector<Entry>* later : {&user, &std::as_const(line.entries)}) {
        for (const Entry& e : *later) {
            if (options.locked && e.setting->scope == Scope::Lockable)
                launch.warnings << QStringLiteral("%1 ignorato: %2 è bloccato da %3")
                                       .arg(e.where(), QLatin1String(e.setting->key),
                                            files.machine);
            else if (!e.setting->read(options, e.value))
                refused.push_back(&e);
        }
    }
    for (const Entry* e : refused)
        launch.warnings << QStringLiteral("%1 non valido (%2), si usa %3")
                               .arg(e->where(), QString::fromUtf16(e->setting->accepted),
                                    e->setting->shown(options));
    return launch;
}
