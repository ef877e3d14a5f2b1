/* Keeps ICCCM's WM_STATE on the top-level windows of a display with no window manager, and does nothing else.
 *
 * Wine withdraws a managed window only after the window manager has put WM_STATE on it, and maps it
 * again only after WM_STATE says it is withdrawn; with no window manager each wait runs out after
 * 2 s, so every hidden or closed test window costs 2 s on the suite's Xvfb. This client watches the
 * root window's children (SubstructureNotify: it places, reparents and focuses nothing, and redirects
 * no request) and writes the state a window manager would: Normal when a window is mapped,
 * Withdrawn when it is unmapped.
 *
 * It refuses to run beside a window manager (exit 3), or where it cannot watch the root (exit 2).
 * Once it watches, it prints "ready" on stdout and closes stdout, so the caller knows it may start
 * what it wants to run; it runs until it is killed or the X server goes away.
 * Usage: wm_state */
#include <stdio.h>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

/* ICCCM's WM_STATE: the state, then the icon window (None: there is none). */
enum { WITHDRAWN_STATE = 0, NORMAL_STATE = 1 };

static Atom g_wm_state;
static int g_setup_errors;

/* A window can be destroyed between its event and our answer: such errors are expected, and the
 * default handler would end the client over them. */
static int count_error(Display *display, XErrorEvent *error) {
    (void)display;
    (void)error;
    ++g_setup_errors;
    return 0;
}

static int window_manager_runs(Display *display, Window root) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, root, &attributes)) return 1;
    /* Only one client can redirect the root's substructure: that client is a window manager. */
    if (attributes.all_event_masks & SubstructureRedirectMask) return 1;
    /* An EWMH window manager announces itself on the root even where it redirects nothing. */
    Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return 0;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char *data = NULL;
    XGetWindowProperty(display, root, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                       &remaining, &data);
    if (data != NULL) XFree(data);
    return type != None;
}

static void set_wm_state(Display *display, Window window, long state) {
    const long value[2] = {state, None};
    XChangeProperty(display, window, g_wm_state, g_wm_state, 32, PropModeReplace,
                    (const unsigned char *)value, 2);
    XFlush(display);
}

/* Windows that are override-redirect (menus, tooltips, Wine's unmanaged windows) are not a window
 * manager's business. */
static int is_managed_top_level(Display *display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && !attributes.override_redirect;
}

/* Windows mapped before this client started are given their state too. */
static void mark_mapped_windows(Display *display, Window root) {
    Window root_return, parent;
    Window *children = NULL;
    unsigned int count = 0;
    if (!XQueryTree(display, root, &root_return, &parent, &children, &count)) return;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) && !attributes.override_redirect &&
            attributes.map_state != IsUnmapped)
            set_wm_state(display, children[i], NORMAL_STATE);
    }
    if (children != NULL) XFree(children);
}

static int watch_root(Display *display, Window root) {
    g_setup_errors = 0;
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    XWindowAttributes attributes;
    return g_setup_errors == 0 && XGetWindowAttributes(display, root, &attributes) &&
           (attributes.your_event_mask & SubstructureNotifyMask);
}

static void answer_events(Display *display, Window root) {
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
            set_wm_state(display, event.xmap.window, NORMAL_STATE);
        } else if (event.type == UnmapNotify && event.xunmap.event == root) {
            /* Both the real unmap and the synthetic one XWithdrawWindow sends to the root. */
            if (is_managed_top_level(display, event.xunmap.window))
                set_wm_state(display, event.xunmap.window, WITHDRAWN_STATE);
        }
    }
}

int main(void) {
    Display *display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "wm_state: no X display\n");
        return 2;
    }
    XSetErrorHandler(count_error);
    const Window root = DefaultRootWindow(display);
    if (window_manager_runs(display, root)) {
        fprintf(stderr, "wm_state: a window manager runs on this display; not starting\n");
        return 3;
    }
    g_wm_state = XInternAtom(display, "WM_STATE", False);
    if (!watch_root(display, root)) {
        fprintf(stderr, "wm_state: cannot watch the root window's children\n");
        return 2;
    }
    mark_mapped_windows(display, root);
    XSync(display, False);
    printf("ready\n");
    fflush(stdout);
    close(STDOUT_FILENO);
    answer_events(display, root);
    return 0;
}
