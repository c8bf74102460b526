#include "core/settings/planoptions.h"

#include "core/settings/settings.h"

namespace {

/// Whether a planned key gives way to the machine's lock.
bool held(const LaunchOptions& options, QStringView key)
{
    return options.locked && findSetting(key)->scope == Scope::Lockable;
}

} // namespace

LaunchOptions withPlan(const LaunchOptions& options, const Plan& plan, QStringList& heldKeys)
{
    LaunchOptions planned = options;
    const auto note = [&](const char16_t* key) {
        heldKeys << QStringLiteral("%1 del piano ignorato: la macchina è bloccata")
                        .arg(QString::fromUtf16(key));
    };
    if (plan.maximum) {
        if (held(options, u"max"))
            note(u"max");
        else
            planned.numeroMassimo = *plan.maximum;
    }
    if (plan.waits) {
        if (held(options, u"mode"))
            note(u"mode");
        else
            planned.attendiBottone = *plan.waits;
    }
    return planned;
}
