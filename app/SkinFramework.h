#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QWidget;

// The window's skin layer (SkinFramework1). It takes the same five calls the
// window has always made on its skin engine: load a skin file, switch on
// option flag 1, switch on the Boolean options 5 and 10, apply to the window.
//
// A skin here is a Qt style sheet in UTF-8 text. A file that is not one (a
// binary skin made for another engine, a file that cannot be read, one too
// big to be a style sheet, a FIFO or device in place of the file, a sheet
// whose url(...) names anything but a regular file) is set aside quietly: the window then simply keeps
// its own look, since a skin is decoration and must never stop the program.
//
// Every call is announced through called() and kept in calls(), so the order
// and arguments the window uses can be checked and a missing skin explained.
class SkinFramework : public QObject
{
    Q_OBJECT
public:
    struct Call {
        QString operation;
        QVariantList arguments;
    };

    // The option flag and the two Boolean options the window switches on.
    // This layer has no switches of its own: a style sheet says everything a
    // skin changes. The values are kept so the calls stay what they always
    // were and a later skin format can use them.
    static constexpr int optionFlag1 = 1;
    static constexpr int booleanOption5 = 5;
    static constexpr int booleanOption10 = 10;

    // Far above any hand-written style sheet; a bigger file is no skin of ours.
    static constexpr qint64 maximumSheetSize = 1024 * 1024;

    explicit SkinFramework(QObject *parent = nullptr);

    // Loads a skin file; the second text names a section of a multi-skin file
    // and is empty for a plain one. Returns whether a usable sheet was read.
    bool LoadSkin(const QString &path, const QString &section);

    int ApplyOptions();
    void setApplyOptions(int flags);

    bool booleanOption(int id) const;
    void setBooleanOption(int id, bool on);

    // Puts the loaded skin on the window and its controls.
    void ApplyWindow(QWidget *window);

    // The first picture a sheet names in url(...) that exists but is no
    // regular file (a FIFO, a device, a folder), or an empty text. The sheet
    // is read as Qt reads it, its escapes decoded.
    static QString firstUnusablePicture(const QString &sheet);

    // What was loaded: an empty sheet when the file was set aside.
    QString styleSheet() const { return m_sheet; }
    bool hasSkin() const { return m_loaded; }
    // Why the last file was set aside, for the log; empty when it was used.
    QString refusal() const { return m_refusal; }

    const QList<Call> &calls() const { return m_calls; }

signals:
    // Sent as each call begins, before it has any effect.
    void called(const SkinFramework::Call &call);

private:
    void record(const QString &operation, const QVariantList &arguments);
    bool readSheet(const QString &path);

    QString m_sheet;
    bool m_loaded = false;
    QString m_refusal;
    int m_options = 0;
    QList<int> m_booleansOn;
    QList<Call> m_calls;
};
