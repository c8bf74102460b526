#include "core/speech/numberwords.h"

#include <memory>
#include <mutex>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

namespace {

constexpr char16_t kSoftHyphen = u'\u00AD';

/// The Italian spell-out formatter, made on first use; null when ICU has no rules for it.
/// ICU does not promise that one formatter may format on two threads at once, hence the lock.
class Speller {
  public:
    Speller()
    {
        UErrorCode status = U_ZERO_ERROR;
        formatter_ = std::make_unique<icu::RuleBasedNumberFormat>(
            icu::URBNF_SPELLOUT, icu::Locale::getItalian(), status);
        if (U_FAILURE(status))
            formatter_.reset();
    }

    QString spell(int n)
    {
        if (!formatter_)
            return {};
        icu::UnicodeString words;
        {
            const std::lock_guard lock(mutex_);
            formatter_->format(static_cast<int32_t>(n), words);
        }
        QString text(reinterpret_cast<const QChar*>(words.getBuffer()), words.length());
        return text.remove(QChar(kSoftHyphen));
    }

  private:
    std::mutex mutex_;
    std::unique_ptr<icu::RuleBasedNumberFormat> formatter_;
};

} // namespace

QString numberWords(int n)
{
    if (n < kMinSpokenNumber || n > kMaxSpokenNumber)
        return {};
    static Speller speller;
    return speller.spell(n);
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
