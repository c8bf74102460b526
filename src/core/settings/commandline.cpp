#include "core/settings/commandline.h"

#include <QCommandLineParser>

namespace {

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
    {"class", "class", nullptr, u"NOME", u"la classe che gioca, senza chiederla (come 3A)"},
    {"insegnante", nullptr, nullptr, nullptr,
     u"apre la vista dell'insegnante sui risultati delle classi (serve results=)"},
    {"voice-language", "voice-language", nullptr, u"LINGUA",
     u"la voce dice i numeri anche in questa lingua (ro, sq, uk, ...)"},
    {"help", nullptr, nullptr, nullptr, u"mostra questo aiuto ed esce"},
    {"version", nullptr, nullptr, nullptr, u"mostra la versione ed esce"},
};

const Option* findOption(QStringView name)
{
    for (const Option& o : kOptions) {
        if (name == QLatin1String(o.name))
            return &o;
    }
    return nullptr;
}

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
        if (!o)
            continue;
        const bool takesValue = o->key && !o->fixed;
        if (!takesValue && argument.contains(u'='))
            return QStringLiteral("l'opzione --%1 non vuole un valore: %2").arg(name, argument);
        if (takesValue && !argument.contains(u'=') && argument == arguments.last())
            return QStringLiteral("manca il valore di --%1 (%2)")
                .arg(name, QString::fromUtf16(findSetting(QString::fromLatin1(o->key))->accepted));
    }
    return parser.errorText();
}

} // namespace

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
    if (parser.isSet(QStringLiteral("insegnante")))
        line.action = LaunchAction::Teacher;
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
    for (const Setting& s : settings())
        keys << QLatin1String(s.key);
    text +=
        QStringLiteral(
            "\nImpostazioni per tutta la macchina: /etc/xdg/quadena/quadena.conf\n"
            "Impostazioni di un utente: ~/.config/quadena/quadena.conf\n"
            "Chiavi: %1.\n"
            "Con locked=true nel file della macchina, mode, max, voice, classes, results e class\n"
            "non si cambiano.\n")
            .arg(keys.join(QStringLiteral(", ")));
    return text;
}
