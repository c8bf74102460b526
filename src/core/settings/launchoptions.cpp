#include "core/settings/launchoptions.h"

#include "core/board/boardframe.h"
#include "core/settings/configfile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <optional>
#include <utility>
#include <vector>

namespace {

enum class Scope { Anywhere, Lockable, MachineOnly };

/// One setting: its key in the files, the values it takes, where it may be given.
struct Setting {
    const char* key;
    const char16_t* accepted; // the values taken, for messages
    /// Sets the value; false, and nothing changed, when the value is refused.
    bool (*read)(LaunchOptions& options, const QString& value);
    /// The value in force, as a file would write it.
    QString (*shown)(const LaunchOptions& options);
    Scope scope;
};

std::optional<bool> boolean(const QString& value)
{
    if (value.compare(u"true", Qt::CaseInsensitive) == 0 || value == u"1")
        return true;
    if (value.compare(u"false", Qt::CaseInsensitive) == 0 || value == u"0")
        return false;
    return std::nullopt;
}

QString booleanText(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

template <bool LaunchOptions::*member>
bool readBoolean(LaunchOptions& options, const QString& value)
{
    const std::optional<bool> b = boolean(value);
    if (b)
        options.*member = *b;
    return b.has_value();
}

template <bool LaunchOptions::*member> QString showBoolean(const LaunchOptions& options)
{
    return booleanText(options.*member);
}

bool readMode(LaunchOptions& options, const QString& value)
{
    const bool wait = value.compare(u"wait", Qt::CaseInsensitive) == 0;
    if (!wait && value.compare(u"auto", Qt::CaseInsensitive) != 0)
        return false;
    options.attendiBottone = wait;
    return true;
}

QString showMode(const LaunchOptions& options)
{
    return options.attendiBottone ? QStringLiteral("wait") : QStringLiteral("auto");
}

bool readMaximum(LaunchOptions& options, const QString& value)
{
    // Taken as "Numero massimo" takes it.
    const std::optional<qint16> maximum = BoardFrame::acceptedMaximum(value);
    if (maximum)
        options.numeroMassimo = *maximum;
    return maximum.has_value();
}

QString showMaximum(const LaunchOptions& options)
{
    return QString::number(options.numeroMassimo);
}

bool readKeypad(LaunchOptions& options, const QString& value)
{
    const std::optional<bool> b = boolean(value);
    if (b)
        options.keypad = *b ? Keypad::Shown : Keypad::Hidden;
    return b.has_value();
}

QString showKeypad(const LaunchOptions& options)
{
    if (options.keypad == Keypad::FollowTouchScreen)
        return QStringLiteral("come lo schermo tattile");
    return booleanText(options.keypad == Keypad::Shown);
}

constexpr auto kTrueFalse = u"true o false";

constexpr Setting kSettings[] = {
    {"fullscreen", kTrueFalse, readBoolean<&LaunchOptions::fullScreen>,
     showBoolean<&LaunchOptions::fullScreen>, Scope::Anywhere},
    {"mode", u"wait o auto", readMode, showMode, Scope::Lockable},
    {"max", u"da 20 a 99", readMaximum, showMaximum, Scope::Lockable},
    {"mute", kTrueFalse, readBoolean<&LaunchOptions::mute>, showBoolean<&LaunchOptions::mute>,
     Scope::Anywhere},
    {"keypad", kTrueFalse, readKeypad, showKeypad, Scope::Anywhere},
    {"voice", kTrueFalse, readBoolean<&LaunchOptions::voice>, showBoolean<&LaunchOptions::voice>,
     Scope::Lockable},
    {"locked", kTrueFalse, readBoolean<&LaunchOptions::locked>, showBoolean<&LaunchOptions::locked>,
     Scope::MachineOnly},
};

/// A command-line option: the setting it gives a value to and that value, or else the
/// value written after it ("--max=N"). Without a setting: --help and --version.
struct Option {
    const char* name;
    const char* key;
    const char* fixed;
    const char16_t* valueName;
    const char16_t* help;
};

constexpr Option kOptions[] = {
    {"fullscreen", "fullscreen", "true", nullptr,
     u"ogni finestra si apre a schermo intero (F11 lo toglie)"},
    {"mode", "mode", nullptr, u"wait|auto",
     u"wait: si aspetta \"avanti\"; auto: si prosegue da soli"},
    {"max", "max", nullptr, u"N", u"il numero massimo all'avvio, da 20 a 99"},
    {"mute", "mute", "true", nullptr, u"nessun suono dopo le risposte"},
    {"keypad", "keypad", "true", nullptr, u"mostra il tastierino numerico sullo schermo"},
    {"no-keypad", "keypad", "false", nullptr, u"non mostra il tastierino numerico"},
    {"voice", "voice", "true", nullptr, u"una voce italiana dice i numeri e i compiti"},
    {"help", nullptr, nullptr, nullptr, u"mostra questo aiuto ed esce"},
    {"version", nullptr, nullptr, nullptr, u"mostra la versione ed esce"},
};

const Setting* findSetting(QStringView key)
{
    for (const Setting& s : kSettings) {
        if (key.compare(QLatin1String(s.key), Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

const Option* findOption(QStringView name)
{
    for (const Option& o : kOptions) {
        if (name == QLatin1String(o.name))
            return &o;
    }
    return nullptr;
}

/// A value given to a setting: as written ("--no-keypad", "max=50") and in which file
/// (none for the command line).
struct Entry {
    const Setting* setting;
    QString value;
    QString written;
    QString file;

    QString where() const
    {
        return file.isEmpty() ? written : file + QStringLiteral(": ") + written;
    }
};

struct CommandLine {
    LaunchAction action = LaunchAction::Run;
    QString error;
    std::vector<Entry> entries;
};

/// The option an argument names, as written: without its value and its dashes.
QString optionName(const QString& argument)
{
    QString name = argument.section(u'=', 0, 0);
    while (name.startsWith(u'-'))
        name.remove(0, 1);
    return name;
}

/// The fault the parser found, told in Italian with the argument that has it.
QString parseFault(const QCommandLineParser& parser, const QStringList& arguments)
{
    const QStringList unknown = parser.unknownOptionNames();
    for (const QString& argument : arguments.mid(1)) {
        if (argument == u"--")
            break;
        const QString name = optionName(argument);
        if (!unknown.isEmpty() && name == unknown.first())
            return QStringLiteral("opzione sconosciuta: %1").arg(argument.section(u'=', 0, 0));
        const Option* o = findOption(name);
        if (!o || !o->key)
            continue;
        const bool takesValue = !o->fixed;
        if (!takesValue && argument.contains(u'='))
            return QStringLiteral("l'opzione --%1 non vuole un valore: %2").arg(name, argument);
        if (takesValue && !argument.contains(u'=') && argument == arguments.last())
            return QStringLiteral("manca il valore di --%1 (%2)")
                .arg(name, QString::fromUtf16(findSetting(QString::fromLatin1(o->key))->accepted));
    }
    return parser.errorText();
}

CommandLine parseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const Option& o : kOptions) {
        QCommandLineOption option(QString::fromLatin1(o.name));
        if (o.key && !o.fixed)
            option.setValueName(QString::fromUtf16(o.valueName));
        parser.addOption(option);
    }
    const auto ending = [](LaunchAction action, const QString& error = {}) {
        CommandLine line;
        line.action = action;
        line.error = error;
        return line;
    };
    const auto fault = [&](const QString& error) {
        return ending(LaunchAction::UsageError, error);
    };
    if (!parser.parse(arguments))
        return fault(parseFault(parser, arguments));
    if (!parser.positionalArguments().isEmpty())
        return fault(QStringLiteral("argomento inatteso: %1").arg(parser.positionalArguments()[0]));
    if (parser.isSet(QStringLiteral("help")))
        return ending(LaunchAction::Help);
    if (parser.isSet(QStringLiteral("version")))
        return ending(LaunchAction::Version);

    CommandLine line;
    for (const Option& o : kOptions) {
        const QString name = QString::fromLatin1(o.name);
        if (!o.key || !parser.isSet(name))
            continue;
        const Setting* s = findSetting(QString::fromLatin1(o.key));
        for (const Entry& earlier : line.entries) {
            if (earlier.setting == s)
                return fault(
                    QStringLiteral("le opzioni %1 e --%2 si escludono").arg(earlier.written, name));
        }
        const QString value = o.fixed ? QString::fromLatin1(o.fixed) : parser.value(name);
        LaunchOptions scratch;
        if (!s->read(scratch, value))
            return fault(QStringLiteral("valore non valido per --%1: \"%2\" (%3)")
                             .arg(name, value, QString::fromUtf16(s->accepted)));
        const QString written = QStringLiteral("--") + name + (o.fixed ? QString() : u'=' + value);
        line.entries.push_back({.setting = s, .value = value, .written = written, .file = {}});
    }
    return line;
}

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

ConfigFiles configFiles(const QProcessEnvironment& environment)
{
    const QString file = QStringLiteral("/quadena/quadena.conf");
    ConfigFiles files;
    QString home = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (!QDir::isAbsolutePath(home)) {
        const QString userHome = environment.value(QStringLiteral("HOME"));
        home = QDir::isAbsolutePath(userHome) ? userHome + QStringLiteral("/.config") : QString();
    }
    if (!home.isEmpty())
        files.user = QDir::cleanPath(home + file);

    QStringList folders;
    const QString dirs = environment.value(QStringLiteral("XDG_CONFIG_DIRS"));
    for (const QString& folder : dirs.split(u':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(folder))
            folders << folder;
    }
    if (folders.isEmpty())
        folders << QStringLiteral("/etc/xdg");
    files.machine = QDir::cleanPath(folders.first() + file);
    for (const QString& folder : folders) {
        const QFileInfo info(QDir::cleanPath(folder + file));
        if (info.exists() || info.isSymLink()) {
            files.machine = info.filePath();
            break;
        }
    }
    if (files.user == files.machine)
        files.user.clear();
    return files;
}

Launch readLaunch(const QStringList& arguments, const ConfigFiles& files)
{
    CommandLine line = parseCommandLine(arguments);
    Launch launch;
    launch.action = line.action;
    launch.error = line.error;
    if (line.action != LaunchAction::Run)
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

QString launchUsage()
{
    QString text = QStringLiteral("Uso: quadena [opzioni]\n"
                                  "Esercizi sulla quadena dei numeri per la scuola primaria.\n\n"
                                  "Opzioni:\n");
    for (const Option& o : kOptions) {
        QString left = QStringLiteral("  --") + QLatin1String(o.name);
        if (o.key && !o.fixed)
            left += u'=' + QString::fromUtf16(o.valueName);
        text += left.leftJustified(20) + u' ' + QString::fromUtf16(o.help) + u'\n';
    }
    QStringList keys;
    for (const Setting& s : kSettings)
        keys << QLatin1String(s.key);
    text += QStringLiteral(
                "\nImpostazioni per tutta la macchina: /etc/xdg/quadena/quadena.conf\n"
                "Impostazioni di un utente: ~/.config/quadena/quadena.conf\n"
                "Chiavi: %1.\n"
                "Con locked=true nel file della macchina, mode, max e voice non si cambiano.\n")
                .arg(keys.join(QStringLiteral(", ")));
    return text;
}
