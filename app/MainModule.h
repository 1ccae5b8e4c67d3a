#pragma once

#include <QPoint>
#include <QRect>
#include <QSignalBlocker>
#include <QString>
#include <QUrl>

class QLineEdit;
class QWidget;
class RandomSource;
class SettingsStore;

// Small shared routines of start-up and shut-down.
namespace Main {

// The product's home page, opened on about one start in a hundred.
inline const QUrl homePage{QStringLiteral("https://velmora.app/")};

// Moves a window, frame and title bar included, to the middle of the primary
// screen's available area (the screen less the taskbar and docks).
void CenterForm(QWidget *form);

// Where a frame of that size goes on that area: centred, and where it is the
// larger, its top-left corner at the area's, so the title bar stays in reach.
QPoint CentredFramePosition(const QRect &available, const QSize &frame);

// True when the file system can report a modification time for the path (an
// existing file or folder); never fails.
bool FileExists(const QString &path);

// A field shows a stored value longer than its maximum length cut. Filled
// with it at start-up, the field must not hand that cut copy to its change
// handler, which would store it over the whole value: hold the returned
// blocker while filling. For a value that fits it blocks nothing, so a
// default still reaches the store at once.
QSignalBlocker QuietIfCut(QLineEdit *field, const QString &stored);

// One roll in a hundred, reseeded from the clock; opens the home page on a 7.
// Returns the roll, 1..100.
int MaybeOpenHomePage(RandomSource &random);

// Writes Left, Top, Width and Height (in twips) while the window is in the
// normal state, reading the state anew before each value.
void SaveFormPosition(QWidget *form, SettingsStore &store);

// 15 twips to a pixel at the 96 dpi the layout was made for.
constexpr int twipsPerPixel = 15;

} // namespace Main
