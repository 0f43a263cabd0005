#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

struct _XDisplay;

// An X window id; kNoWindow for none. Xlib itself stays out of the tests'
// headers: its macros clash with the test framework's names.
using XWindow = unsigned long;
constexpr XWindow kNoWindow = 0;

// What the tests do on the X server as a user would: find windows by
// title, type keys, press a window's close box, and look at focus,
// stacking and minimised state.
class XSession {
public:
    explicit XSession(const std::string& displayName);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    bool IsOpen() const { return m_display != nullptr; }

    // The viewable client window with exactly this title, or kNoWindow.
    XWindow FindWindow(const std::string& title);
    // Waits for such a window to become viewable.
    XWindow WaitForWindow(const std::string& title, std::chrono::milliseconds timeout = std::chrono::seconds(20));

    // Waits until the window's program has handled everything sent to it so
    // far (a _NET_WM_PING round trip); true when it answered in time.
    bool Ping(XWindow window, std::chrono::milliseconds timeout = std::chrono::seconds(20));

    // Gives the window the keyboard focus and types keys (X keysyms).
    void Focus(XWindow window);
    void PressKeys(XWindow window, const std::vector<unsigned long>& keysyms);
    // Chords in turn; the keys of one chord go down together (Shift+F10).
    void PressChords(XWindow window, const std::vector<std::vector<unsigned long>>& chords);
    void PressKey(XWindow window, unsigned long keysym) { PressKeys(window, {keysym}); }
    // What the close box does: WM_DELETE_WINDOW to the client.
    void PressCloseBox(XWindow window);
    // Asks the window manager to minimise the window, as a client would.
    void Minimise(XWindow window);

    // A plain window of the test's own, on top and focused: whatever is
    // brought forward afterwards has to get over it.
    XWindow CoverScreen();

    bool HasFocus(XWindow window);
    // True when the window (its frame, under a window manager) lies above
    // `other` in the stacking order.
    bool IsAbove(XWindow window, XWindow other);
    bool IsMinimised(XWindow window);
    bool IsShown(XWindow window);

    
private:
    XWindow FindIn(XWindow parent, const std::string& title);
    std::string TitleOf(XWindow window);
    XWindow TopLevelOf(XWindow window);

    _XDisplay* m_display = nullptr;
    long m_nPing = 0;
};

// Polls condition until it holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(20));
