// The window in every language it speaks: its texts are the catalogue's and
// each fits the control that shows it.
#include "core/Language.h"
#include "tests/support/FormFixture.h"
#include "tests/support/TestSettings.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

class TstLanguages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { TestSettings::redirectUserConfig(); }
    void cleanup() { Language::install(QLocale::c()); }
    void everyTextFits_data();
    void everyTextFits();
    void buttonsReadTheLanguageToAScreenReader_data();
    void buttonsReadTheLanguageToAScreenReader();
};

void TstLanguages::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "de", "fr", "es", "pt_BR", "ja"})
        QTest::addRow("%s: no caption is wider than its control", language) << QString::fromLatin1(language);
}

// The layout is fixed: a longer word cuts the caption rather than growing
// the control, so the text plus the style's margins must fit the control.
void TstLanguages::everyTextFits()
{
    QFETCH(QString, language);
    Language::install(QLocale(language));
    FormFixture f;
    QVERIFY(f.showActive());
    for (QAbstractButton *button : f.form().findChildren<QAbstractButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QSize text(button->fontMetrics().horizontalAdvance(button->text()), button->fontMetrics().height());
        const int needed = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button).width();
        QVERIFY2(needed <= button->width(), qPrintable(button->objectName() + QLatin1String(" is too narrow for ") + button->text()));
    }
    for (QGroupBox *box : f.form().findChildren<QGroupBox *>()) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        QVERIFY2(box->rect().contains(label), qPrintable(box->objectName() + QLatin1String(" title is cut: ") + box->title()));
    }
}

void TstLanguages::buttonsReadTheLanguageToAScreenReader_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *locale : {"de_DE", "ja_JP"})
        QTest::addRow("%s: the language of the locale", locale) << QString::fromLatin1(locale);
}

void TstLanguages::buttonsReadTheLanguageToAScreenReader()
{
    QFETCH(QString, locale);
    const auto reading = [](QWidget *button) {
        return QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
    };
    const char *const names[] = {"PushButton1", "PushButton2", "PushButton3", "PushButton9"};
    QStringList english;
    for (FormFixture f; const char *name : names)
        english << reading(f.button(name));
    Language::install(QLocale(locale));
    if (QCoreApplication::translate("Form1", "Save All Cards To Image") == QLatin1String("Save All Cards To Image"))
        QSKIP("this language's catalogue is not filled yet");
    FormFixture f;
    for (int i = 0; i < english.size(); ++i) {
        const QString read = reading(f.button(names[i]));
        QCOMPARE(read, QCoreApplication::translate("Form1", english[i].toUtf8().constData()));
        QVERIFY2(read != english[i], names[i]);
    }
}

QTEST_MAIN(TstLanguages)
#include "tst_languages.moc"
