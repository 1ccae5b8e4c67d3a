#pragma once

#include "render/CardSheet.h"

#include <QString>

class SettingsStore;

// What the window's PDF exports and printing were last asked for, kept in the
// settings section beside the count and the folder so the next run offers
// it again. A value the store holds that this version does not know (a hand
// edit, a later version's) gives that choice's default, never a refusal.
struct PrintChoices {
    PrintOptions print;   // the paper is the locale's or the printer's, never kept
    bool jokers = false;  // the whole deck's two jokers

    static PrintChoices load(const SettingsStore &store);
    void save(SettingsStore &store) const;

    static QString cardSizeKey() { return QStringLiteral("PDF Card Size"); }
    static QString bleedKey() { return QStringLiteral("PDF Bleed"); }
    static QString backKey() { return QStringLiteral("PDF Back"); }
    static QString duplexKey() { return QStringLiteral("PDF Duplex"); }
    static QString layoutKey() { return QStringLiteral("PDF Layout"); }
    static QString jokersKey() { return QStringLiteral("PDF Jokers"); }
};
