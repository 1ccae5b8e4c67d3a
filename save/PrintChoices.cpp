#include "save/PrintChoices.h"

#include "core/SettingsStore.h"

namespace {

// Yes and no as the store keeps them: "1" and "0"; anything else is the default.
bool flag(const SettingsStore &store, const QString &key, bool defaultValue)
{
    const QString value = store.get(key, QString());
    return value == QLatin1String("1") ? true : value == QLatin1String("0") ? false : defaultValue;
}

QString flagText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

// The layouts by the command line's names for them.
const QString sheetsName = QStringLiteral("sheets");
const QString cardName = QStringLiteral("card");

} // namespace

PrintChoices PrintChoices::load(const SettingsStore &store)
{
    PrintChoices choices;
    PrintOptions &print = choices.print;
    if (const std::optional<CardSize> size = CardSizes::named(store.get(cardSizeKey(), QString())))
        print.size = *size;
    print.bleed = flag(store, bleedKey(), print.bleed);
    // The backs as a person counts them, 1 to 12, or "none".
    bool number = false;
    const int back = store.get(backKey(), QString()).toInt(&number);
    if (number && back >= 1 && back <= 12)
        print.back = back - 1;
    print.mirrored = flag(store, duplexKey(), print.mirrored);
    const QString layout = store.get(layoutKey(), QString());
    if (layout == cardName)
        print.layout = CardSheet::Layout::CardPerPage;
    else if (layout == sheetsName)
        print.layout = CardSheet::Layout::Sheets;
    choices.jokers = flag(store, jokersKey(), choices.jokers);
    return choices;
}

void PrintChoices::save(SettingsStore &store) const
{
    store.set(cardSizeKey(), CardSizes::name(print.size));
    store.set(bleedKey(), flagText(print.bleed));
    store.set(backKey(), print.back < 0 ? QStringLiteral("none") : QString::number(print.back + 1));
    store.set(duplexKey(), flagText(print.mirrored));
    store.set(layoutKey(), print.layout == CardSheet::Layout::CardPerPage ? cardName : sheetsName);
    store.set(jokersKey(), flagText(jokers));
}
