#include "core/speech/numberwords.h"

#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

namespace {

constexpr char16_t kSoftHyphen = u'\u00AD';

/// The spell-out formatter of one language; null when ICU has no rules for it and would
/// fall back to those of another language.
std::unique_ptr<icu::RuleBasedNumberFormat> spellOut(const icu::Locale& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    auto formatter =
        std::make_unique<icu::RuleBasedNumberFormat>(icu::URBNF_SPELLOUT, locale, status);
    if (U_FAILURE(status))
        return nullptr;
    status = U_ZERO_ERROR;
    const icu::Locale actual = formatter->getLocale(ULOC_ACTUAL_LOCALE, status);
    if (U_FAILURE(status) || std::string_view(actual.getLanguage()) != locale.getLanguage())
        return nullptr;
    return formatter;
}

/// The spell-out formatters, one per language, made on first use. ICU does not promise that
/// one formatter may format on two threads at once, hence the lock.
class Speller {
  public:
    QString spell(int n, const QString& language)
    {
        icu::UnicodeString words;
        {
            const std::lock_guard lock(mutex_);
            auto found = formatters_.find(language);
            if (found == formatters_.end())
                found = formatters_.emplace(language, make(language)).first;
            if (!found->second)
                return {};
            found->second->format(static_cast<int32_t>(n), words);
        }
        QString text(reinterpret_cast<const QChar*>(words.getBuffer()), words.length());
        return text.remove(QChar(kSoftHyphen));
    }

  private:
    static std::unique_ptr<icu::RuleBasedNumberFormat> make(const QString& language)
    {
        if (language.isEmpty())
            return spellOut(icu::Locale::getItalian());
        UErrorCode status = U_ZERO_ERROR;
        const icu::Locale locale = icu::Locale::forLanguageTag(language.toStdString(), status);
        if (U_FAILURE(status) || locale.isBogus())
            return nullptr;
        return spellOut(locale);
    }

    std::mutex mutex_;
    std::map<QString, std::unique_ptr<icu::RuleBasedNumberFormat>> formatters_;
};

} // namespace

QString numberWords(int n, const QString& language)
{
    if (n < kMinSpokenNumber || n > kMaxSpokenNumber)
        return {};
    static Speller speller;
    return speller.spell(n, language);
}

QString taskWord(TaskWord word)
{
    switch (word) {
    case TaskWord::Piu:
        return QStringLiteral("più");
    case TaskWord::Meno:
        return QStringLiteral("meno");
    case TaskWord::Fa:
        return QStringLiteral("fa");
    }
    return {};
}
