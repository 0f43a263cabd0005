#include "XSession.h"

#include <X11/Xlib.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <thread>
#include <vector>

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

namespace {

// Windows come and go while the tests look at them; a BadWindow on the way
// only means that a window is gone.
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

}  // namespace

XSession::XSession(const std::string& displayName) : m_display(XOpenDisplay(displayName.c_str()))
{
    XSetErrorHandler(IgnoreErrors);
    // Ping answers go to the root window.
    if (m_display != nullptr)
        XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
}

XSession::~XSession()
{
    if (m_display != nullptr)
        XCloseDisplay(m_display);
}

std::string XSession::TitleOf(XWindow window)
{
    Atom netName = XInternAtom(m_display, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(m_display, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(m_display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success && data != nullptr) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(m_display, window, &name) && name != nullptr) {
        title = name;
        XFree(name);
    }
    return title;
}

XWindow XSession::FindIn(Window parent, const std::string& title)
{
    Window root, ignored;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(m_display, parent, &root, &ignored, &children, &count))
        return None;
    std::vector<Window> list(children, children + count);
    if (children != nullptr)
        XFree(children);
    // Topmost first, so that a fresh window wins over an old one.
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (IsShown(*it) && TitleOf(*it) == title)
            return *it;
        if (Window found = FindIn(*it, title))
            return found;
    }
    return None;
}

XWindow XSession::FindWindow(const std::string& title)
{
    return FindIn(DefaultRootWindow(m_display), title);
}

XWindow XSession::WaitForWindow(const std::string& title, std::chrono::milliseconds timeout)
{
    Window found = None;
    WaitUntil([&] { return (found = FindWindow(title)) != None; }, timeout);
    return found;
}

bool XSession::IsShown(Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(m_display, window, &attributes) && attributes.map_state == IsViewable;
}

bool XSession::Ping(XWindow window, std::chrono::milliseconds timeout)
{
    Atom protocols = XInternAtom(m_display, "WM_PROTOCOLS", False);
    Atom ping = XInternAtom(m_display, "_NET_WM_PING", False);
    const long stamp = ++m_nPing;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(ping);
    event.xclient.data.l[1] = stamp;
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
    return WaitUntil([&] {
        XEvent answer;
        while (XCheckTypedEvent(m_display, ClientMessage, &answer)) {
            if (answer.xclient.message_type == protocols && answer.xclient.data.l[0] == static_cast<long>(ping)
                && answer.xclient.data.l[1] == stamp)
                return true;
        }
        return false;
    }, timeout);
}

void XSession::Focus(XWindow window)
{
    XRaiseWindow(m_display, window);
    XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
    XSync(m_display, False);
}

void XSession::PressKeys(XWindow window, const std::vector<unsigned long>& keysyms)
{
    std::vector<std::vector<unsigned long>> chords;
    for (unsigned long keysym : keysyms)
        chords.push_back({keysym});
    PressChords(window, chords);
}

void XSession::PressChords(XWindow window, const std::vector<std::vector<unsigned long>>& chords)
{
    // Focus once: a focus change between the keys would let the toolkit put
    // its own idea of the focused control back in between.
    if (!HasFocus(window)) {
        XRaiseWindow(m_display, window);
        XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
        // The toolkit moves the focus back to the control that had it once
        // the program is idle after the focus change; keys typed before that
        // could go to another control. Two round trips let it get idle.
        Ping(window);
        Ping(window);
    }
    for (const std::vector<unsigned long>& chord : chords) {
        for (unsigned long keysym : chord)
            XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, keysym), True, CurrentTime);
        for (auto it = chord.rbegin(); it != chord.rend(); ++it)
            XTestFakeKeyEvent(m_display, XKeysymToKeycode(m_display, *it), False, CurrentTime);
    }
    XSync(m_display, False);
}

void XSession::PressCloseBox(Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XSync(m_display, False);
}

void XSession::Minimise(Window window)
{
    XIconifyWindow(m_display, window, DefaultScreen(m_display));
    XSync(m_display, False);
}

XWindow XSession::CoverScreen()
{
    Window root = DefaultRootWindow(m_display);
    Window cover = XCreateSimpleWindow(m_display, root, 0, 0, 1024, 768, 0, 0, 0);
    XStoreName(m_display, cover, "cover");
    XMapRaised(m_display, cover);
    XSync(m_display, False);
    WaitUntil([&] { return IsShown(cover); });
    XRaiseWindow(m_display, cover);
    XSetInputFocus(m_display, cover, RevertToParent, CurrentTime);
    XSync(m_display, False);
    return cover;
}

XWindow XSession::TopLevelOf(Window window)
{
    Window root = DefaultRootWindow(m_display);
    for (;;) {
        Window parent, ignored;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(m_display, window, &ignored, &parent, &children, &count))
            return None;
        if (children != nullptr)
            XFree(children);
        if (parent == root || parent == None)
            return window;
        window = parent;
    }
}

bool XSession::HasFocus(Window window)
{
    Window focus;
    int revert;
    XGetInputFocus(m_display, &focus, &revert);
    if (focus == None || focus == PointerRoot)
        return false;
    return TopLevelOf(focus) == TopLevelOf(window);
}

bool XSession::IsAbove(Window window, Window other)
{
    Window top = TopLevelOf(window), below = TopLevelOf(other);
    Window root, parent;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(m_display, DefaultRootWindow(m_display), &root, &parent, &children, &count))
        return false;
    // Children come bottom first.
    int topAt = -1, belowAt = -1;
    for (unsigned i = 0; i < count; ++i) {
        if (children[i] == top)
            topAt = static_cast<int>(i);
        if (children[i] == below)
            belowAt = static_cast<int>(i);
    }
    if (children != nullptr)
        XFree(children);
    return topAt >= 0 && belowAt >= 0 && topAt > belowAt;
}

bool XSession::IsMinimised(Window window)
{
    Atom wmState = XInternAtom(m_display, "WM_STATE", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    bool iconic = false;
    if (XGetWindowProperty(m_display, window, wmState, 0, 2, False, wmState, &type, &format, &count,
                           &after, &data) == Success && data != nullptr) {
        iconic = count >= 1 && reinterpret_cast<long*>(data)[0] == IconicState;
        XFree(data);
    }
    return iconic;
}

