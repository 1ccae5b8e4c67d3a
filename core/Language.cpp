#include "core/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace Language {

namespace {

struct Installed {
    std::unique_ptr<QTranslator> ours;
    std::unique_ptr<QTranslator> qts;
    QString language;
};

Installed &installed()
{
    static Installed translators;
    return translators;
}

// A catalogue beside the program (the Windows zip) or in the data folder (an
// installed tree) wins over the one built in, so a corrected catalogue can be
// tried without rebuilding.
QStringList ourFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program + QStringLiteral("/translations"), program + QStringLiteral("/../share/velmora/translations"),
            QStringLiteral(":/i18n")};
}

QStringList qtFolders()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
}

std::unique_ptr<QTranslator> load(const QString &name, const QString &language, const QStringList &folders)
{
    auto translator = std::make_unique<QTranslator>();
    for (const QString &folder : folders)
        if (translator->load(name + u'_' + language, folder))
            return translator;
    return nullptr;
}

} // namespace

void install(const QLocale &locale)
{
    Installed &now = installed();
    for (QTranslator *translator : {now.ours.get(), now.qts.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
    now = Installed();
    // The first language the user put in order decides: "en" before "de" in
    // LANGUAGE means English, even though a German catalogue is there.
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            return;
        // "de_DE" has no catalogue of its own: the German one serves it, and
        // the Brazilian one any Portuguese reader better than English would.
        const QString base = language.section(u'_', 0, 0);
        for (const QString &name : {language, base, base == QLatin1String("pt") ? QStringLiteral("pt_BR") : base}) {
            now.ours = load(QStringLiteral("velmora"), name, ourFolders());
            if (now.ours) {
                now.qts = load(QStringLiteral("qtbase"), name, qtFolders());
                QCoreApplication::installTranslator(now.ours.get());
                if (now.qts)
                    QCoreApplication::installTranslator(now.qts.get());
                // The catalogue found, not the name asked for ("de_Latn_DE" finds velmora_de).
                now.language = QFileInfo(now.ours->filePath()).completeBaseName().section(u'_', 1);
                return;
            }
        }
    }
}

void install()
{
#ifdef Q_OS_UNIX
    // The first of these that is set names the locale messages are read in.
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (value.isEmpty())
            continue;
        if (value == "C" || value.startsWith("C.") || value == "POSIX") {
            install(QLocale::c());
            return;
        }
        break;
    }
#endif
    install(QLocale::system());
}

QString current()
{
    return installed().language;
}

} // namespace Language
