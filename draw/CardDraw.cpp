#include "draw/CardDraw.h"

#include "core/Messages.h"
#include "core/CardEntry.h"
#include "core/DrawRule.h"
#include "core/ErrorReport.h"
#include "core/Failure.h"
#include "core/Guard.h"
#include "widgets/ListBox.h"
#include "core/NumberText.h"
#include "core/Platform.h"
#include "core/RandomSource.h"
#include "widgets/WindowPointer.h"

#include <QLineEdit>
#include <QProgressBar>
#include <cmath>
#include <limits>

CardDraw::CardDraw(ListBox *list, QLineEdit *count, QProgressBar *progress,
                   WindowPointer &pointer, RandomSource &random, QObject *parent)
    : QObject(parent), m_list(list), m_count(count), m_progress(progress), m_pointer(pointer),
      m_random(random)
{
}

CardDraw::~CardDraw()
{
    *m_alive = false;
}

bool CardDraw::IsCardListed(qint16 cardNumber) const
{
    const qint16 count = NumberText::toInt16(double(m_list->count()));
    for (qint16 j = 0; j < count; ++j) {
        if (CardEntry::cardNumber(NumberText::splitAtBlanks(m_list->item(j)->text())) == cardNumber)
            return true;
    }
    return false;
}

bool CardDraw::allCardsListed() const
{
    // Fewer entries than cards cannot name every card: this runs before every
    // try, and the full scan below reads each entry once per card number.
    if (m_list->count() < CardEntry::DeckSize)
        return false;
    for (qint16 number = 1; number <= CardEntry::DeckSize; ++number) {
        if (!IsCardListed(number))
            return false;
    }
    return true;
}

void CardDraw::abortAll()
{
    m_aborted = true;
}

void CardDraw::PushButton2_Click()
{
    // A press inside the running draw's yield: that draw starts over at its
    // next step, so the newest press still decides the list, and the stack
    // stays one draw deep however fast the button is pressed.
    if (m_depth > 0) {
        m_startOver = true;
        return;
    }
    Guard guard(ErrorReport::location("PushButton2_Click"));
    const std::shared_ptr<bool> alive = m_alive;
    m_aborted = false;
    ++m_depth;
    struct DepthGuard {
        std::shared_ptr<bool> alive;
        int &depth;
        ~DepthGuard() { if (*alive) --depth; }
    } depthGuard{alive, m_depth};

    Outcome outcome;
    do {
        m_startOver = false;
        outcome = drawOnce(guard, alive);
    } while (outcome == Outcome::StartOver);
}

CardDraw::Outcome CardDraw::drawOnce(Guard &guard, const std::shared_ptr<bool> &alive)
{
    qint32 bound = 0;
    // Until a candidate is drawn, the first card: what a failed draw step
    // leaves for the test that follows it.
    qint16 card = 1;

    guard(100, [&] { m_list->clear(); });

    qint32 i = 1;
    // A count that is no number or beyond 32 bits leaves no loop bound: the
    // draw lists nothing and goes straight to its closing steps.
    if (guard(102, [&] { bound = NumberText::toInt32(m_count->text()); })) {
        while (i <= bound) {
            guard(104, [&] {
                // Read as 32 bits like the loop bound: any count the loop
                // accepted also gives a progress value, so a large count does
                // not cost one overflow report per card.
                const qint32 c = NumberText::toInt32(m_count->text());
                if (c == 0)
                    throw Failure::divisionByZero();
                m_progress->setValue(int(std::lround(double(i) / double(c) * 100.0)));
            });

            guard(106, [&] { Platform::current().yield(); });
            // Anything may have happened inside the yield.
            if (!*alive || m_aborted)
                return Outcome::Ended;
            if (m_startOver)
                return Outcome::StartOver;

            // With every card listed no candidate can ever be free: stop here
            // instead of drawing for ever (a count above 52 gets this far).
            bool exhausted = false;
            for (;;) {
                const bool drawn = guard(108, [&] {
                    if (allCardsListed()) {
                        exhausted = true;
                        throw Failure(Messages::noCardLeft());
                    }
                    card = DrawRule::candidate(m_random, Platform::current().secondsSinceMidnight());
                });
                if (!drawn && exhausted)
                    break;
                // A failed test goes on as if the card were free.
                if (guard.test(110, [&] { return !IsCardListed(card); }))
                    break;
            }
            if (exhausted)
                break;

            guard(112, [&] { m_list->addItem(CardEntry::text(card)); });

            if (!guard(114, [&] {
                    if (i == std::numeric_limits<qint32>::max())
                        throw Failure::overflow();
                    ++i;
                }))
                break;
        }
    }

    if (guard.test(116, [&] { return m_list->count() > 0; }))
        guard(118, [&] { m_list->setListIndex(0); });
    guard(120, [&] { m_progress->setValue(0); });
    guard(122, [&] { m_progress->setFormat(tr("Progress Bar")); });
    guard(124, [&] { m_pointer.setMousePointer(WindowPointer::Default); });
    return Outcome::Finished;
}

