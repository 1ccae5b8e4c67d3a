#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QtGlobal>
#include <memory>

class Guard;
class QLineEdit;
class ListBox;
class QProgressBar;
class RandomSource;
class WindowPointer;

// The draw button: lists the requested number of distinct random cards as
// "Card N" entries, advancing the progress bar and yielding to the event queue
// once per card so the window stays responsive.
//
// Re-entrancy: inside a yield any handler can run. A second press never nests
// a second draw on the stack (a click storm would overflow it): it marks the
// running draw to start over, which it does at its next step, from an empty
// list and with the count read anew, as a fresh press would. A close of the
// window or the destruction of this object ends the running draw without
// touching anything afterwards.
class CardDraw : public QObject
{
    Q_OBJECT
public:
    CardDraw(ListBox *list, QLineEdit *count, QProgressBar *progress, WindowPointer &pointer,
             RandomSource &random, QObject *parent = nullptr);
    ~CardDraw() override;

    void PushButton2_Click();

    // Whether some entry carries cardNumber as its second word.
    bool IsCardListed(qint16 cardNumber) const;

    // Ends the running draw at its next step (the window is closing).
    void abortAll();
    bool isRunning() const { return m_depth > 0; }

private:
    enum class Outcome { Finished, StartOver, Ended };
    Outcome drawOnce(Guard &guard, const std::shared_ptr<bool> &alive);
    bool allCardsListed() const;

    QPointer<ListBox> m_list;
    QPointer<QLineEdit> m_count;
    QPointer<QProgressBar> m_progress;
    WindowPointer &m_pointer;
    RandomSource &m_random;
    int m_depth = 0;
    bool m_aborted = false;
    bool m_startOver = false;
    // Outlives this object in the stack frames of running draws, which check it
    // after every yield before they touch a member.
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};
