// The demo under a soak: seeded random real input across every page from a second thread, and
// checks after every round of events that nothing crashed, hung, escaped or was left behind.
//
//     listedit_demo.exe --soak EVENTS SEED REPORT
//
// The UI thread runs the demo as ever; it answers the driver's snapshot requests (kSoakSnapshot)
// and notes which tagged input it has taken (SoakNoteTaken, from a message hook). The driver
// writes its figures, and on a failure the seed and the event number, to REPORT.
#pragma once
#include <listedit.h>

#include <array>
#include <string>

// What the UI thread reports of itself at a check.
struct SoakSnapshot {
    std::array<long, AFX_LIVE_KINDS> live{};   // AfxGetLiveCount of each kind
    long exceptions = 0;                       // exceptions that reached the application object
    long windows = 0;                          // the thread's windows, children included
    long long privateBytes = 0;                // the process's private bytes
    long long heapBlocks = 0, heapBytes = 0;   // blocks in use in the C run-time's heap (what new and
                                               // malloc hand the library and the demo), their bytes
    long long otherBlocks = 0, otherBytes = 0; // the same in the process's other heaps (the system's)
    long long heapFree = 0;                    // free bytes inside all the heaps
    long long committed = 0;                   // private memory committed, by a walk of the address space
    long gdiObjects = 0, userObjects = 0;      // the process's GDI and USER objects (Wine counts neither: 0)
    int page = -1;                             // the page shown
};

// Sent to the demo window with a SoakSnapshot* in lParam; answered on the UI thread.
inline constexpr UINT kSoakSnapshot = WM_APP + 0x51;

struct SoakOptions {
    int events = 300;
    unsigned seed = 1;
    std::wstring report; // file the figures go to
};

// Fills the snapshot on the UI thread.
void SoakTakeSnapshot(SoakSnapshot& snapshot, int page, long exceptions);

// Starts the driver thread against the demo window; the UI thread then runs its message loop as
// usual. The driver closes the demo when it is done; SoakResult then gives the exit code (0 when
// every check passed).
void SoakStart(HWND hDemo, HWND hTab, int nPages, const SoakOptions& options);
int SoakResult();
